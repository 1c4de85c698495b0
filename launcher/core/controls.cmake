# (filled in by the controls core)

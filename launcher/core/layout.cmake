# (filled in by the layout core)

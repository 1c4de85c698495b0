# (filled in by the bitmap core)

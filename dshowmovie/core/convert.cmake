# (filled in by the picture conversion core)

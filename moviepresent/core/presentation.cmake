# (filled in by the presentation logic cores)

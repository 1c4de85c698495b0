# (filled in by the text and logo core)

# (filled in by the DirectShow base classes)

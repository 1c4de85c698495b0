# (filled in by the playback graph and probe logic)

// Keeps the shared library target non-empty while the binding has no sources.

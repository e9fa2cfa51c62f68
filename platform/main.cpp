// The process entry point of programs built on the layer (not yet in use).

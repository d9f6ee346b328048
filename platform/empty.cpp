// Keeps an area library that has no code yet linkable.

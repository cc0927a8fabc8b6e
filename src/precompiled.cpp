// Builds the precompiled header that the whole project shares.

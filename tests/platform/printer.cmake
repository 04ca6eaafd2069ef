# tests: being written

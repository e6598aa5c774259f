// Keeps the support library non-empty while fixtures are added.

namespace fernwright {}

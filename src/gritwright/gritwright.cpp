namespace gritwright {}

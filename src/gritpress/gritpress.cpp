namespace gritpress {}

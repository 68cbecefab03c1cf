// A program that holds one layer's library whole and does nothing: it links only when every function
// the layer calls is defined in it or below it.
int main() { return 0; }

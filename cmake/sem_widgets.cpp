// Links a whole widget-free library with Qt Core only (see
// tk_sem_widgets in the top CMakeLists.txt): it runs nothing.
int main() {
    return 0;
}

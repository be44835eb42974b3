// The program's entry point.
#include <QApplication>
#include <cstdio>

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  std::puts("KORVELAN ZV 4318Q two way radio Program Software.: the main window is not built yet.");
  return 0;
}

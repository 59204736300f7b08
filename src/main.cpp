#include <QApplication>
#include <QMessageBox>

#include "core/data/database.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMessageBox::information(nullptr, hrs::ProductTitle, hrs::ProductTitle);
  return 0;
}

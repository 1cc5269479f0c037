#include "support.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "TApplication.h"

namespace tk::test {

bool ShowActive(TForm& form) {
    form.Show();
    QWidget* window = QtWidget(form);
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

void OnNextModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer(qApp);
    auto triesLeft = std::make_shared<int>(500);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, triesLeft, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && --*triesLeft > 0) return;
        timer->stop();
        timer->deleteLater();
        if (modal) act(modal);
    });
    timer->start(10);
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tk_test_XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace tk::test

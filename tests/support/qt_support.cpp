#include "qt_support.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <memory>

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

}  // namespace tk::test

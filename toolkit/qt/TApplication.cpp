#include "TApplication.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QStyle>
#include <QTranslator>

#include <stdexcept>

#include "BackEnd.h"
#include "QtNative.h"

namespace tk {
namespace {

// The program reads no command line; QApplication keeps references to these.
int fakeArgc = 1;
char fakeArg0[] = "qzcmdview";
char* fakeArgv[] = {fakeArg0, nullptr};

QApplication* ownedApplication = nullptr;

// Ends the message loop once the watched window has closed (not merely been asked to).
class QuitWhenClosed : public QObject {
public:
    explicit QuitWhenClosed(QWidget* window) : window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Close) {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (!window_ || !window_->isVisible()) QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QPointer<QWidget> window_;
};

QMessageBox::Icon IconFor(unsigned flags) {
    switch (flags & 0xF0) {
        case mbIconError:
            return QMessageBox::Critical;
        case 0x20:
            return QMessageBox::Question;
        case 0x30:
            return QMessageBox::Warning;
        case 0x40:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

TApplication::TApplication() {
    if (Application) throw std::logic_error("there is an application object already");
    if (!QCoreApplication::instance()) {
        ownedApplication = new QApplication(fakeArgc, fakeArgv);
    }
    QApplication::setApplicationName(QStringLiteral("qzcmdview"));
    // The same light, Windows-like look whatever the desktop's theme.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    // Qt's own dialog texts (OK, Cancel, ...) in the system's language, as the system's
    // dialogs have them.
    auto* translator = new QTranslator(qApp);
    if (translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    }
    const QString icon = QStringLiteral(":/qzcmdview/icon.png");
    if (QFile::exists(icon)) QApplication::setWindowIcon(QIcon(icon));
    Application = this;
}

TApplication::~TApplication() {
    // The widgets go before the QApplication.
    mainForm_ = nullptr;
    while (!forms_.empty()) forms_.pop_back();
    delete ownedApplication;
    ownedApplication = nullptr;
    Application = nullptr;
}

void TApplication::ProcessMessages() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void backend::RunMessageLoop(TForm& mainForm) {
    QuitWhenClosed quitter(WidgetOf(mainForm));
    WidgetOf(mainForm)->installEventFilter(&quitter);
    QApplication::exec();
}

int backend::ShowMessageBox(const MessageBoxRequest& request) {
    QWidget* owner = QApplication::activeWindow();
    if (!owner && Application && Application->MainForm()) {
        owner = WidgetOf(*Application->MainForm());
    }
    QMessageBox box(IconFor(request.flags), FromUtf8(request.caption), FromUtf8(request.text),
                    QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);  // an error's text is shown as it is, never as markup
    box.exec();
    return idOk;  // the only button; Esc and the close box answer it too
}

}  // namespace tk

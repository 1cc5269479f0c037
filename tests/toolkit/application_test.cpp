#include "TApplication.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMetaObject>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Dialogs.h"
#include "TButton.h"
#include "TEdit.h"
#include "support/qt_support.h"

namespace tk {
namespace {

using test::QtWidget;

constexpr const char* kUnknownError = "发生未知错误";

// Message boxes answered by the hook and kept for the test to look at.
struct RecordedBoxes {
    RecordedBoxes() {
        DialogHooks hooks;
        hooks.messageBox = [this](const MessageBoxRequest& request) {
            boxes.push_back(request);
            return 1;
        };
        SetDialogHooks(std::move(hooks));
    }
    test::HooksReset reset;
    std::vector<MessageBoxRequest> boxes;
};

TEST(Dispatch, AnErrorFromAHandlerIsReportedAndTheNextEventStillRuns) {
    struct Case {
        const char* name;
        std::function<void()> fail;
        const char* text;
    };
    const Case cases[] = {
        {"std error", [] { throw std::runtime_error("boom"); }, "boom"},
        {"other thrown value", [] { throw 42; }, kUnknownError},
    };
    TForm form;
    auto* button = new TButton(form, "Button1");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordedBoxes recorded;
        int runs = 0;
        button->OnClick = [&](TObject* sender) {
            EXPECT_EQ(sender, button);
            if (++runs == 1) c.fail();
        };
        EXPECT_NO_THROW(button->Click());
        ASSERT_EQ(recorded.boxes.size(), 1u);
        EXPECT_EQ(recorded.boxes[0].text, c.text);
        EXPECT_EQ(recorded.boxes[0].flags, mbOk | mbIconError);
        button->Click();
        EXPECT_EQ(runs, 2);
        EXPECT_EQ(recorded.boxes.size(), 1u);
    }
}

TEST(Dispatch, ErrorsReachingQtFromUserInputAreCaughtToo) {
    TForm form;
    form.SetClientSize(200, 100);
    auto* button = new TButton(form, "Button1");
    button->SetBounds(10, 10, 75, 25);
    auto* edit = new TEdit(form, "Edit1");
    edit->SetBounds(10, 50, 100, 22);
    button->OnClick = [](TObject*) { throw std::runtime_error("按钮出错"); };
    edit->OnChange = [](TObject*) { throw std::runtime_error("edit failed"); };
    RecordedBoxes recorded;
    ASSERT_TRUE(test::ShowActive(form));

    QTest::mouseClick(QtWidget(*button), Qt::LeftButton);
    EXPECT_NO_THROW(edit->SetText("x"));
    EXPECT_EQ(edit->Text(), "x");
    QTest::keyClick(QtWidget(*edit), Qt::Key_End);
    QTest::keyClicks(QtWidget(*edit), "y");
    EXPECT_EQ(edit->Text(), "xy");

    std::vector<std::string> texts;
    for (const auto& box : recorded.boxes) texts.push_back(box.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"按钮出错", "edit failed", "edit failed"}));
}

TEST(Dispatch, AnEmptyHandlerIsNoEvent) {
    RecordedBoxes recorded;
    Application->Dispatch(nullptr, nullptr);
    EXPECT_TRUE(recorded.boxes.empty());
}

TEST(MessageBox, TheHookAnswersInsteadOfTheBox) {
    test::HooksReset reset;
    MessageBoxRequest seen;
    DialogHooks hooks;
    hooks.messageBox = [&](const MessageBoxRequest& request) {
        seen = request;
        return 7;
    };
    SetDialogHooks(hooks);
    EXPECT_EQ(Application->MessageBox("正文", "标题", mbIconError), 7);
    EXPECT_EQ(seen.text, "正文");
    EXPECT_EQ(seen.caption, "标题");
    EXPECT_EQ(seen.flags, mbIconError);
}

TEST(Application, ProcessMessagesHandlesWhatIsWaiting) {
    bool ran = false;
    QMetaObject::invokeMethod(
        qApp, [&] { ran = true; }, Qt::QueuedConnection);
    Application->ProcessMessages();
    EXPECT_TRUE(ran);
}

// The one test that gives the application its forms: they stay until the run ends.
class ProbeForm : public TForm {
public:
    ProbeForm(int& created, std::string_view caption) {
        SetCaption(caption);
        SetClientSize(300, 120);
        first = new TEdit(*this, "Edit1");
        first->SetBounds(10, 10, 200, 22);
        second = new TEdit(*this, "Edit2");
        second->SetBounds(10, 40, 200, 22);
        second->SetText("第一个制表位");
        SetTabOrder({second, first});
        OnCreate = [&created, this](TObject* sender) {
            EXPECT_EQ(sender, this);
            ++created;
        };
    }
    TEdit* first;
    TEdit* second;
};

TEST(Application, MainFormCaptionsErrorsRunFocusesTheFirstTabStopAndClosingEndsTheLoop) {
    // Application forms stay until the program ends: this runs once per process.
    ASSERT_EQ(Application->MainForm(), nullptr) << "a main form exists already (--gtest_repeat?)";
    {
        RecordedBoxes recorded;
        Application->HandleException(nullptr);
        ASSERT_EQ(recorded.boxes.size(), 1u);
        EXPECT_EQ(recorded.boxes[0].caption, "qzcmdview");
        EXPECT_EQ(recorded.boxes[0].text, kUnknownError);
    }

    int mainCreated = 0, otherCreated = 0;
    ProbeForm* mainForm = nullptr;
    ProbeForm* other = nullptr;
    Application->CreateForm(mainForm, mainCreated, "主窗口");
    Application->CreateForm(other, otherCreated, "其他");
    ASSERT_NE(mainForm, nullptr);
    EXPECT_EQ(Application->MainForm(), mainForm);
    EXPECT_EQ(mainCreated, 1);
    EXPECT_EQ(otherCreated, 1);
    {
        RecordedBoxes recorded;
        const std::runtime_error error("出错");
        Application->HandleException(&error);
        ASSERT_EQ(recorded.boxes.size(), 1u);
        EXPECT_EQ(recorded.boxes[0].caption, "主窗口");
        EXPECT_EQ(recorded.boxes[0].text, "出错");
    }

    // Another window stays open: closing the main form must end the loop all the same.
    other->Show();
    bool visible = false;
    std::string focused, selected;
    QTimer::singleShot(0, qApp, [&] {
        visible = mainForm->Visible();
        TWinControl* active = mainForm->ActiveControl();
        focused = active ? active->Name() : "(none)";
        selected = mainForm->second->SelText();
        mainForm->Close();
    });
    bool ranOut = false;
    QTimer safety;  // so that a loop that does not end fails instead of hanging
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [&] {
        ranOut = true;
        QCoreApplication::exit(1);
    });
    safety.start(10000);
    Application->Run();
    EXPECT_FALSE(ranOut);
    EXPECT_TRUE(visible);
    EXPECT_EQ(focused, "Edit2");
    EXPECT_EQ(selected, "第一个制表位");
    EXPECT_FALSE(mainForm->Visible());
}

}  // namespace
}  // namespace tk

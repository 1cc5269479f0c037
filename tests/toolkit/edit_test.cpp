#include "TEdit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "TApplication.h"
#include "support/qt_support.h"

namespace tk {
namespace {

using test::QtWidget;

// An edit whose OnChange records the text it sees when it runs.
class EditTest : public ::testing::Test {
protected:
    void SetUp() override { form_.SetClientSize(300, 200); }

    TEdit* MakeEdit(const std::string& name) {
        auto* edit = new TEdit(form_, name);
        edit->SetBounds(10, 10 + 30 * static_cast<int>(form_.Controls().size() - 1), 200, 22);
        edit->OnChange = [this, edit](TObject* sender) {
            EXPECT_EQ(sender, edit);
            seen_.push_back(edit->Text());
        };
        return edit;
    }

    TForm form_;
    std::vector<std::string> seen_;
};

TEST_F(EditTest, SetTextOfANewTextRaisesOneChangeBeforeItReturns) {
    TEdit* edit = MakeEdit("Edit1");
    edit->SetText("调整等级");
    // Nothing processed in between: the event ran inside SetText, after the change.
    EXPECT_EQ(seen_, std::vector<std::string>{"调整等级"});
    Application->ProcessMessages();
    EXPECT_EQ(seen_.size(), 1u);
    EXPECT_EQ(edit->Text(), "调整等级");
    // The field shows the start of a text too long for it, not its tail.
    edit->SetText("重新加载管理员列表 and a good deal more text than fits in the field");
    EXPECT_EQ(QtWidget<QLineEdit>(*edit)->cursorPosition(), 0);
}

TEST_F(EditTest, SetTextKeepsTheSelectionThatOnChangeMade) {
    TEdit* edit = MakeEdit("Edit1");
    edit->OnChange = [edit](TObject*) { edit->SetFocus(); };
    edit->SetText("selected by the handler");
    EXPECT_EQ(edit->SelText(), "selected by the handler");
}

TEST_F(EditTest, SetTextOfTheSameTextDoesNothingAtAll) {
    TEdit* edit = MakeEdit("Edit1");
    edit->SetText("");
    EXPECT_TRUE(seen_.empty());

    edit->SetText("Make");
    QtWidget<QLineEdit>(*edit)->setSelection(1, 2);
    seen_.clear();
    edit->SetText("Make");
    EXPECT_TRUE(seen_.empty());
    EXPECT_EQ(edit->SelText(), "ak");  // Qt's setText would have dropped the selection
}

TEST_F(EditTest, EveryEditByTheUserRaisesOneChangePerStep) {
    using Step = std::function<void(QLineEdit*)>;
    struct Case {
        const char* name;
        const char* start;
        Step prepare;  // before counting
        Step act;
        const char* expected;
        size_t changes;
    };
    const Case cases[] = {
        {"typing", "", nullptr, [](QLineEdit* w) { QTest::keyClicks(w, "abc"); }, "abc", 3},
        {"backspace", "abc", nullptr, [](QLineEdit* w) { QTest::keyClick(w, Qt::Key_Backspace); },
         "ab", 1},
        {"delete", "abc", [](QLineEdit* w) { w->setCursorPosition(0); },
         [](QLineEdit* w) { QTest::keyClick(w, Qt::Key_Delete); }, "bc", 1},
        {"paste", "abc", [](QLineEdit*) { QGuiApplication::clipboard()->setText("指令"); },
         [](QLineEdit* w) { QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier); }, "abc指令", 1},
        {"cut", "abc", [](QLineEdit* w) { w->selectAll(); },
         [](QLineEdit* w) { QTest::keyClick(w, Qt::Key_X, Qt::ControlModifier); }, "", 1},
        {"undo", "abc", [](QLineEdit* w) { QTest::keyClicks(w, "d"); },
         [](QLineEdit* w) { QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier); }, "abc", 1},
    };
    ASSERT_TRUE(test::ShowActive(form_));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TEdit* edit = MakeEdit(c.name);
        edit->SetText(c.start);
        edit->SetFocus();
        auto* widget = QtWidget<QLineEdit>(*edit);
        widget->setCursorPosition(widget->text().size());
        if (c.prepare) c.prepare(widget);
        seen_.clear();
        c.act(widget);
        EXPECT_EQ(edit->Text(), c.expected);
        EXPECT_EQ(seen_.size(), c.changes);
        if (!seen_.empty()) {
            EXPECT_EQ(seen_.back(), c.expected);
        }
    }
}

TEST_F(EditTest, ReadOnlyTextCanBeSelectedAndCopiedButNotChanged) {
    TEdit* edit = MakeEdit("Edit1");
    edit->SetText("只读 text");
    edit->SetReadOnly(true);
    EXPECT_TRUE(edit->ReadOnly());
    ASSERT_TRUE(test::ShowActive(form_));
    edit->SetFocus();
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->SelText(), "只读 text");

    auto* widget = QtWidget<QLineEdit>(*edit);
    QGuiApplication::clipboard()->setText("pasted");
    seen_.clear();
    QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "只读 text");
    QTest::keyClicks(widget, "xyz");
    QTest::keyClick(widget, Qt::Key_Backspace);
    QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
    widget->selectAll();
    QTest::keyClick(widget, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(widget, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit->Text(), "只读 text");
    EXPECT_TRUE(seen_.empty());
}

TEST_F(EditTest, FocusOtherThanByMouseSelectsTheWholeText) {
    TEdit* first = MakeEdit("Edit1");
    TEdit* second = MakeEdit("Edit2");
    first->SetText("第一个");
    second->SetText("second text");

    // Before the window is active, as when the program starts.
    first->SetFocus();
    EXPECT_EQ(first->SelText(), "第一个");
    EXPECT_EQ(form_.ActiveControl(), first);

    ASSERT_TRUE(test::ShowActive(form_));
    EXPECT_TRUE(first->Focused());
    // Part of it selected already: Qt's own rule would leave that as it is.
    QtWidget<QLineEdit>(*second)->setSelection(0, 3);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(second->Focused());
    EXPECT_EQ(second->SelText(), "second text");

    QtWidget<QLineEdit>(*first)->setSelection(0, 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(first->Focused());
    EXPECT_EQ(first->SelText(), "第一个");

    second->SetFocus();
    EXPECT_TRUE(second->Focused());
    EXPECT_EQ(second->SelText(), "second text");

    auto* firstWidget = QtWidget<QLineEdit>(*first);
    QTest::mouseClick(firstWidget, Qt::LeftButton, {}, QPoint(4, firstWidget->height() / 2));
    EXPECT_TRUE(first->Focused());
    EXPECT_EQ(first->SelText(), "");
}

}  // namespace
}  // namespace tk

#include "TForm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

#include <string>
#include <vector>

#include "TApplication.h"
#include "TButton.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TPanel.h"
#include "support/qt_support.h"

namespace tk {
namespace {

using test::QtWidget;

std::string FocusName(const TForm& form) {
    const TWinControl* active = form.ActiveControl();
    return active ? active->Name() : "(none)";
}

// Two panels of controls plus two on the form itself, made in an order the tab order is not.
struct TabForm {
    TabForm() {
        form.SetClientSize(400, 260);
        top->SetBounds(0, 0, 400, 100);
        bottom->SetBounds(0, 110, 400, 100);
        a->SetBounds(10, 10, 150, 22);
        b->SetBounds(200, 10, 75, 25);
        label->SetBounds(10, 50, 60, 17);
        label->SetCaption("标签");
        c->SetBounds(10, 10, 150, 22);
        d->SetBounds(200, 10, 75, 25);
        e->SetBounds(10, 220, 150, 22);
        f->SetBounds(200, 220, 150, 22);
        form.SetTabOrder({e, c, a, d, b});
    }
    TForm form;
    TPanel* top = new TPanel(form, "Panel1");
    TPanel* bottom = new TPanel(form, "Panel2");
    TEdit* a = new TEdit(*top, "EditA");
    TButton* b = new TButton(*top, "ButtonB");
    TLabel* label = new TLabel(*top, "Label1");
    TEdit* c = new TEdit(*bottom, "EditC");
    TButton* d = new TButton(*bottom, "ButtonD");
    TEdit* e = new TEdit(form, "EditE");
    TEdit* f = new TEdit(form, "EditF");  // not in the tab order
};

TEST(TabOrder, TabAndShiftTabWalkTheGivenOrderAndWrapAround) {
    TabForm t;
    ASSERT_TRUE(test::ShowActive(t.form));
    t.e->SetFocus();
    ASSERT_EQ(FocusName(t.form), "EditE");

    std::vector<std::string> forward, backward;
    for (int i = 0; i < 5; ++i) {
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward.push_back(FocusName(t.form));
    }
    for (int i = 0; i < 5; ++i) {
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward.push_back(FocusName(t.form));
    }
    EXPECT_EQ(forward, (std::vector<std::string>{"EditC", "EditA", "ButtonD", "ButtonB", "EditE"}));
    EXPECT_EQ(backward,
              (std::vector<std::string>{"ButtonB", "ButtonD", "EditA", "EditC", "EditE"}));
    EXPECT_EQ(t.form.TabOrder(), (std::vector<TWinControl*>{t.e, t.c, t.a, t.d, t.b}));
}

TEST(TabOrder, LabelsAndPanelsNeverTakeTheFocusUnlistedFieldsOnlyByClick) {
    TabForm t;
    ASSERT_TRUE(test::ShowActive(t.form));
    t.a->SetFocus();
    QTest::mouseClick(QtWidget(*t.label), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(FocusName(t.form), "EditA");
    QTest::mouseClick(QtWidget(*t.top), Qt::LeftButton, {}, QPoint(390, 90));
    EXPECT_EQ(FocusName(t.form), "EditA");
    QTest::mouseClick(QtWidget(*t.f), Qt::LeftButton, {}, QPoint(4, 11));
    EXPECT_EQ(FocusName(t.form), "EditF");
    EXPECT_EQ(QtWidget(*t.label)->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(QtWidget(*t.top)->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(QtWidget(*t.f)->focusPolicy() & Qt::TabFocus, 0);
}

TEST(FindControl, FindsThisOrTheFirstControlBelowByName) {
    TabForm t;
    EXPECT_EQ(t.form.FindControl("EditC"), t.c);
    EXPECT_EQ(t.form.FindControl("Label1"), t.label);
    EXPECT_EQ(t.top->FindControl("Panel1"), t.top);
    EXPECT_EQ(t.top->FindControl("EditC"), nullptr);  // in the other panel
    EXPECT_EQ(t.form.FindControl("Edit"), nullptr);
    EXPECT_EQ(t.c->Parent(), t.bottom);
    EXPECT_EQ(t.top->Controls().size(), 3u);
}

TEST(Geometry, BoundsReadBackAndResizingMovesNothing) {
    TForm form;
    form.SetClientSize(717, 512);
    auto* panel = new TPanel(form, "Panel1");
    panel->SetBounds(5, 6, 700, 300);
    auto* edit = new TEdit(*panel, "Edit1");
    edit->SetBounds(8, 12, 150, 21);
    auto* far = new TButton(form, "Button1");
    far->SetBounds(650, 480, 75, 25);  // partly beyond the client area

    form.Show();
    Application->ProcessMessages();
    EXPECT_EQ(form.ClientWidth(), 717);
    EXPECT_EQ(form.ClientHeight(), 512);
    EXPECT_EQ(form.BoundsRect().Width, 717);
    EXPECT_EQ(form.BoundsRect().Height, 512);
    EXPECT_EQ(edit->BoundsRect(), (TRect{8, 12, 150, 21}));

    form.SetClientSize(300, 200);
    Application->ProcessMessages();
    EXPECT_EQ(form.ClientWidth(), 300);
    EXPECT_EQ(form.ClientHeight(), 200);
    EXPECT_EQ(panel->BoundsRect(), (TRect{5, 6, 700, 300}));
    EXPECT_EQ(edit->BoundsRect(), (TRect{8, 12, 150, 21}));
    EXPECT_EQ(far->BoundsRect(), (TRect{650, 480, 75, 25}));
}

TEST(Label, WidthFollowsTheTextAndTheFontHeightStaysAsSet) {
    TForm form;
    form.SetFont("Tahoma", 12);
    auto* label = new TLabel(form, "Label1");
    label->SetBounds(10, 10, 5, 17);
    label->SetCaption("短");
    const int shortWidth = label->BoundsRect().Width;
    EXPECT_GT(shortWidth, 0);
    EXPECT_EQ(label->BoundsRect().Height, 17);

    label->SetCaption("一段长得多的说明文字");
    const int longWidth = label->BoundsRect().Width;
    EXPECT_GT(longWidth, shortWidth);
    EXPECT_EQ(label->BoundsRect().Height, 17);
    EXPECT_EQ(label->Caption(), "一段长得多的说明文字");

    label->SetBounds(20, 30, 500, 15);
    EXPECT_EQ(label->BoundsRect(), (TRect{20, 30, longWidth, 15}));

    form.SetFont("Tahoma", 24);
    EXPECT_GT(label->BoundsRect().Width, longWidth);
    EXPECT_EQ(label->BoundsRect().Height, 15);
}

TEST(Font, AMissingFamilyFallsBackToOneWithChineseGlyphs) {
    const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    ASSERT_FALSE(chinese.isEmpty());

    TForm form;
    auto* edit = new TEdit(form, "Edit1");
    form.SetFont("No Such Family Here", 13);
    const QFontInfo info(QtWidget(*edit)->font());
    EXPECT_TRUE(chinese.contains(info.family())) << info.family().toStdString();
    EXPECT_EQ(info.pixelSize(), 13);
}

TEST(Form, CaptionShowAndClose) {
    TForm form;
    form.SetCaption("命令查看器");
    EXPECT_EQ(form.Caption(), "命令查看器");
    EXPECT_FALSE(form.Visible());
    form.Show();
    EXPECT_TRUE(form.Visible());
    form.Close();
    EXPECT_FALSE(form.Visible());
}

}  // namespace
}  // namespace tk

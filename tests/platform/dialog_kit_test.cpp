#include "dialog_kit.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <gtest/gtest.h>

namespace zorvel {
namespace {

// OK accepts and Cancel rejects unless the dialog gives its own handler, which
// then runs instead.
TEST(DialogKit, OkAndCancelEndTheDialogOrRunItsOwnHandler) {
    const struct {
        bool ownOk, ownCancel;
        bool pressOk;
        int result; // after the press
        const char* ran;
    } cases[] = {
        {false, false, true, QDialog::Accepted, ""},
        {false, false, false, QDialog::Rejected, ""},
        {true, false, true, -1, "ok"},
        {true, false, false, QDialog::Rejected, ""},
        {false, true, false, -1, "cancel"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ownOk << c.ownCancel << c.pressOk);
        QDialog dialog;
        dialog.setResult(-1);
        QString ran;
        const OkCancelRow row = makeOkCancelRow(&dialog, c.ownOk ? std::function<void()>([&] { ran = "ok"; }) : nullptr,
                                                c.ownCancel ? std::function<void()>([&] { ran = "cancel"; }) : nullptr);
        dialog.setLayout(row.layout);
        EXPECT_EQ(row.ok->objectName(), "OK_Btn");
        EXPECT_TRUE(row.ok->isDefault());
        (c.pressOk ? row.ok : row.cancel)->click();
        EXPECT_EQ(dialog.result(), c.result);
        EXPECT_EQ(ran, c.ran);
    }
}

} // namespace
} // namespace zorvel

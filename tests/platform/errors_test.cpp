// How a failure is worded: in the error box, below a command's own text, and
// for a failure that is no std::exception.
#include "atomic_write.h"
#include "error_box.h"
#include "errors.h"
#include "ini_profile.h"
#include "scripted_prompter.h"

#include <gtest/gtest.h>

using namespace zorvel;
using zorvel::testing::ScriptedPrompter;

namespace {

template <typename Failure> std::function<void()> throwing(Failure failure) {
    return [failure] { throw failure; };
}

} // namespace

TEST(Errors, EachFailureIsWordedTheSameWayWhereverItIsShown) {
    const QString name = QStringLiteral("/tmp/Gr\u00fc\u00dfe/zor-vel.ini");
    const struct {
        const char* what;
        std::function<void()> body;
        QString box, boxWithoutReason, belowCommandText;
    } cases[] = {
        {"a settings file that cannot be written", throwing(IniWriteError(name, "Permission denied")),
         "Unable to write to " + name + "\r\nPermission denied", "Unable to write to " + name,
         "Unable to write to " + name + ": Permission denied"},
        {"a file write: the reason is part of its text", throwing(FileWriteError(name, "No space left on device")),
         "Cannot write " + name + ": No space left on device", "Cannot write " + name + ": No space left on device",
         "Cannot write " + name + ": No space left on device"},
        {"a failure that is not a file's", throwing(Error("Printer selected is not valid", "out of paper")),
         "Printer selected is not valid\r\nout of paper", "Printer selected is not valid", ""},
        {"another library's exception", throwing(std::length_error("list too long")), "list too long", "list too long",
         ""},
    };
    for (const auto& c : cases) {
        ScriptedPrompter prompter;
        EXPECT_FALSE(guarded(prompter, c.body)) << c.what;
        EXPECT_FALSE(guarded(prompter, c.body, {.withReason = false})) << c.what;
        ASSERT_EQ(prompter.messages.size(), 2u) << c.what;
        EXPECT_EQ(prompter.messages[0].text, c.box) << c.what;
        EXPECT_EQ(prompter.messages[0].icon, MessageIcon::Error) << c.what;
        EXPECT_EQ(prompter.messages[1].text, c.boxWithoutReason) << c.what;
        try {
            c.body();
        } catch (const std::exception& e) {
            EXPECT_EQ(failureReason(e), c.belowCommandText) << c.what;
        }
    }
}

TEST(Errors, ABodyThatSucceedsSaysNothingAndOneWithoutWordsGetsTheGivenText) {
    ScriptedPrompter prompter;
    EXPECT_TRUE(guarded(prompter, [] {}));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_FALSE(guarded(prompter, [] { throw 42; }, {.unknown = "Printing failed."}));
    EXPECT_EQ(prompter.messageTexts(), QStringList{"Printing failed."});
}

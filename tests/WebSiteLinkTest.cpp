// The web-site link: the shell's result codes and the messages that report a failed launch.
#include "ModalWatcher.h"
#include "WebSiteLink.h"

#include <gtest/gtest.h>

#include <QWidget>

namespace {

const QString kSite = QString::fromLatin1(kTessalyWebSite);

struct MessageRow {
    quint16 code;
    QString message;  // empty: no message box
};

void PrintTo(const MessageRow& row, std::ostream* out)
{
    *out << row.code;
}

class ShellMessageTable : public ::testing::TestWithParam<MessageRow> {};

TEST_P(ShellMessageTable, ReportsTheCodeInTheOwnersMessageBox)
{
    RecordingPrompts prompts;
    QWidget owner;
    EXPECT_EQ(ReportShellResult(&owner, GetParam().code, kSite), GetParam().code);
    if (GetParam().message.isEmpty()) {
        EXPECT_TRUE(prompts.messages.isEmpty());
        return;
    }
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, GetParam().message);
    EXPECT_EQ(prompts.messages[0].caption, QStringLiteral("Vantrel Orvandel"));
    EXPECT_EQ(prompts.messages[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(prompts.messages[0].parent, &owner);
}

INSTANTIATE_TEST_SUITE_P(
    WebSiteLink, ShellMessageTable,
    ::testing::Values(
        MessageRow{0, "System is out of memory, executable file is corrupt, or relocations are invalid.\nExecuting " + kSite},
        MessageRow{2, "Associated executable file not found.\nExecuting " + kSite},
        MessageRow{20, "Dynamic-link library (DLL) file is invalid.  One of the DLLs required to run this application "
                       "is corrupt.\nExecuting " + kSite},
        MessageRow{1, "Error 1 executing " + kSite + "."},
        MessageRow{17, "Error 17 executing " + kSite + "."},
        MessageRow{31, "No program on this computer could open " + kSite +
                           ".\nOpen the address in your web browser yourself."},
        MessageRow{32, "Error 32 executing " + kSite + "."},
        MessageRow{33, ""},
        MessageRow{42, ""}),
    [](const auto& info) { return "Code" + std::to_string(info.param.code); });

TEST(WebSiteLink, EveryFailureCodeHasAMessageNamingTheFile)
{
    const QList<quint16> generalCodes = {1, 4, 7, 9, 17, 18, 22, 25, 32};
    for (quint16 code = 0; code < kShellFirstSuccess; ++code) {
        if (code == kShellNoAssociation)
            continue;  // the desktop's own answer, in words of its own
        const QString message = ShellErrorMessage(code, QStringLiteral("F"));
        if (generalCodes.contains(code) || code >= 22)
            EXPECT_EQ(message, QStringLiteral("Error %1 executing F.").arg(code)) << code;
        else
            EXPECT_TRUE(message.endsWith(QStringLiteral(".\nExecuting F"))) << code;
    }
    EXPECT_EQ(ShellErrorMessage(6, QStringLiteral("F")),
              QStringLiteral("Library requires separate data segments for each task.\nExecuting F"));
    EXPECT_TRUE(ShellErrorMessage(kShellFirstSuccess, QStringLiteral("F")).isEmpty());
    EXPECT_TRUE(ShellErrorMessage(0xFFFF, QStringLiteral("F")).isEmpty());
}

TEST(WebSiteLink, AnAddressWithPercentSignsIsQuotedAsItIs)
{
    EXPECT_EQ(ShellErrorMessage(17, QStringLiteral("https://x.example/%1%2")),
              QStringLiteral("Error 17 executing https://x.example/%1%2."));
    EXPECT_TRUE(ShellErrorMessage(31, QStringLiteral("https://x.example/%1%2")).contains(QStringLiteral("x.example/%1%2.")));
}

TEST(WebSiteLink, AcceptedAddressIsCode42AndSilent)
{
    RecordingPrompts prompts;
    EXPECT_EQ(ShellExecuteAndReport(nullptr, kSite), kShellLaunched);
    ASSERT_EQ(prompts.openedUrls.size(), 1);
    EXPECT_EQ(prompts.openedUrls[0], QUrl(kSite));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST(WebSiteLink, RefusedAddressIsCode31AndReported)
{
    RecordingPrompts prompts;
    prompts.desktopAcceptsUrls = false;
    EXPECT_EQ(ShellExecuteAndReport(nullptr, kSite), kShellNoAssociation);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, ShellErrorMessage(kShellNoAssociation, kSite));
    EXPECT_TRUE(prompts.messages[0].text.startsWith(QStringLiteral("No program on this computer could open")));
}

TEST(WebSiteLink, TheMakersAddressIsAnAbsoluteWebAddressEndingInASlash)
{
    const QUrl site(kSite, QUrl::StrictMode);
    EXPECT_TRUE(site.isValid());
    EXPECT_EQ(site.scheme(), QStringLiteral("https"));
    EXPECT_TRUE(kSite.endsWith(u'/'));
}

}  // namespace

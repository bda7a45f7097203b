// The web-site link: an address the desktop accepts opens silently; one it refuses is reported
// in the owner's message box, with the address quoted as it is.
#include "ModalWatcher.h"
#include "WebSiteLink.h"

#include <gtest/gtest.h>

#include <QWidget>

namespace {

TEST(WebSiteLink, OpensOrReportsTheOneFailure)
{
    const struct {
        const char* name;
        QString address;
        bool accepted;
    } rows[] = {{"accepted", QString::fromLatin1(kTessalyWebSite), true},
                {"refused", QString::fromLatin1(kTessalyWebSite), false},
                {"refused, with percent signs", QStringLiteral("https://x.example/%1%2"), false}};
    for (const auto& row : rows) {
        RecordingPrompts prompts;
        prompts.desktopAcceptsUrls = row.accepted;
        QWidget owner;
        EXPECT_EQ(OpenWebSite(&owner, row.address), row.accepted) << row.name;
        ASSERT_EQ(prompts.openedUrls.size(), 1) << row.name;
        if (row.accepted) {
            EXPECT_EQ(prompts.openedUrls[0], QUrl(row.address));
            EXPECT_TRUE(prompts.messages.isEmpty()) << row.name;
            continue;
        }
        ASSERT_EQ(prompts.messages.size(), 1) << row.name;
        EXPECT_EQ(prompts.messages[0].text, "No program on this computer could open " + row.address +
                                                ".\nOpen the address in your web browser yourself.");
        EXPECT_EQ(prompts.messages[0].caption, QStringLiteral("Vantrel Orvandel"));
        EXPECT_EQ(prompts.messages[0].buttons, QMessageBox::Ok);
        EXPECT_EQ(prompts.messages[0].parent, &owner);
    }
}

}  // namespace

#include "controls/HyperLink.h"

#include "platform/qt/MessageBox.h"
#include "platform/qt/ShellOpen.h"
#include "tests/gui/GaugeSnapshot.h"

#include <vector>

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QTest>
#include <QUrl>

namespace {

constexpr QRgb kLinkColour = qRgb(0, 0, 238);
constexpr QRgb kVisitedColour = qRgb(85, 26, 139);
const std::string kUpdateAddress = "http://talvorin.example/update";

// A form with one text item; the test turns it into a link and plays the desktop.
class HyperLinkTest : public testing::Test {
protected:
    void SetUp() override {
        ShellServices fake;
        fake.openWithDesktop = [this](const QUrl& url) {
            desktopSaw.push_back(url.toString().toStdString());
            return desktopOpens;
        };
        fake.browserCommand = [this] { return browserCommand; };
        fake.startDetached = [this](const QString& program, const QStringList& arguments) {
            started.push_back(program);
            started += arguments;
            return startResult;
        };
        SetShellServices(fake);
        SetMessageBoxHook([this](const MessageBoxRequest& request) {
            boxes.push_back(request);
            return kIdOk;
        });
    }
    void TearDown() override {
        SetMessageBoxHook({});
        SetShellServices(DesktopShellServices());
    }

    // A text item of the form at (10, 20), 300 x 40, turned into a link.
    CHyperLink* MakeLink(const QString& text,
                         Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
        auto* item = new QLabel(text, &form);
        item->setAlignment(alignment);
        item->setGeometry(10, 20, 300, 40);
        return CHyperLink::Subclass(item);
    }

    QImage Shot(CHyperLink& link) { return Snapshot(link, link.width(), link.height()); }

    QWidget form;
    bool desktopOpens = true;
    std::string browserCommand;
    int startResult = kShellOpenOk;
    std::vector<std::string> desktopSaw;
    QStringList started;
    std::vector<MessageBoxRequest> boxes;
};

TEST_F(HyperLinkTest, TakesItsTextAsAddressAndShowsItAsTooltip) {
    CHyperLink* link = MakeLink(QString::fromStdString(kUpdateAddress));
    EXPECT_EQ(link->URL(), kUpdateAddress);
    EXPECT_EQ(link->toolTip().toStdString(), kUpdateAddress);
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(form.findChildren<QLabel*>().size(), 1);
}

TEST_F(HyperLinkTest, AnEmptyTextShowsTheAddress) {
    CHyperLink link(&form);
    link.SetURL(kUpdateAddress);
    link.Attach();
    EXPECT_EQ(link.text().toStdString(), kUpdateAddress);
    EXPECT_EQ(link.toolTip().toStdString(), kUpdateAddress);
}

struct Fit {
    Qt::Alignment alignment;
    bool right;  // the text ends at the item's right edge
    bool centre; // the text is centred in the item
    bool middle; // the text is centred vertically
};

class HyperLinkFit : public HyperLinkTest, public testing::WithParamInterface<Fit> {};

TEST_P(HyperLinkFit, ShrinksOntoItsTextWhereTheAlignmentPutsIt) {
    const QString text = QStringLiteral("Check for updates");
    CHyperLink* link = MakeLink(text, GetParam().alignment);
    const QFontMetrics metrics(link->font());
    const int width = metrics.horizontalAdvance(text);
    const int height = metrics.height();

    const int margin = (300 - width) / 2;
    const int left = GetParam().centre ? 10 + margin : GetParam().right ? 310 - width : 10;
    const int right = GetParam().centre ? 310 - margin : left + width;
    const int top = GetParam().middle ? 20 + (40 - height) / 2 : 20;
    const int bottom = GetParam().middle ? 60 - (40 - height) / 2 : 20 + height;
    EXPECT_EQ(link->geometry(), QRect(left, top, right - left, bottom - top));
}

INSTANTIATE_TEST_SUITE_P(Alignments, HyperLinkFit,
                         testing::Values(Fit{Qt::AlignLeft | Qt::AlignTop, false, false, false},
                                         Fit{Qt::AlignRight | Qt::AlignTop, true, false, false},
                                         Fit{Qt::AlignHCenter | Qt::AlignTop, false, true, false},
                                         Fit{Qt::AlignLeft | Qt::AlignVCenter, false, false, true},
                                         Fit{Qt::AlignCenter, false, true, true}));

TEST_F(HyperLinkTest, AClickThatOpensPaintsTheLinkVisited) {
    CHyperLink* link = MakeLink(QString::fromStdString(kUpdateAddress));
    EXPECT_TRUE(ContainsColour(Shot(*link), kLinkColour));

    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(desktopSaw, std::vector<std::string>{kUpdateAddress});
    EXPECT_TRUE(link->IsVisited());
    EXPECT_TRUE(boxes.empty());
    const QImage shot = Shot(*link);
    EXPECT_TRUE(ContainsColour(shot, kVisitedColour));
    EXPECT_FALSE(ContainsColour(shot, kLinkColour));
}

TEST_F(HyperLinkTest, TheHoverColourShowsWhileTheMouseIsOver) {
    CHyperLink* link = MakeLink(QString::fromStdString(kUpdateAddress));
    const QRgb hover = link->palette().color(QPalette::Highlight).rgb();
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(link, &enter);
    EXPECT_TRUE(ContainsColour(Shot(*link), hover));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(link, &leave);
    EXPECT_TRUE(ContainsColour(Shot(*link), kLinkColour));
}

TEST_F(HyperLinkTest, WhenTheDesktopCannotItRunsTheRegisteredBrowserWithoutAShell) {
    CHyperLink* link = MakeLink(QString::fromStdString(kUpdateAddress));
    desktopOpens = false;
    browserCommand = "/opt/web browser/bin/browse --new-window \"%u\" --ignored";
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(
        started,
        QStringList({QStringLiteral("/opt/web"), QStringLiteral("browser/bin/browse"),
                     QStringLiteral("--new-window"), QString::fromStdString(kUpdateAddress)}));
    EXPECT_TRUE(link->IsVisited());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(HyperLinkTest, AQuotedProgramPathStaysOneProgramAndTheAddressOneArgument) {
    desktopOpens = false;
    browserCommand = "\"/opt/web browser/browse\" %U";
    EXPECT_EQ(ShellOpen("http://x.example/a b;rm -rf ~"), kShellOpenOk);
    EXPECT_EQ(started, QStringList({QStringLiteral("/opt/web browser/browse"),
                                    QStringLiteral("http://x.example/a%20b;rm%20-rf%20~")}));
}

TEST_F(HyperLinkTest, ABareAddressBecomesAWebAddressAndAnOptionIsNoAddress) {
    desktopOpens = false;
    browserCommand = "browse";
    EXPECT_EQ(ShellOpen("www.talvorin.example"), kShellOpenOk);
    EXPECT_EQ(desktopSaw, std::vector<std::string>{"http://www.talvorin.example"});
    EXPECT_EQ(started, QStringList({QStringLiteral("browse"),
                                    QStringLiteral("http://www.talvorin.example")}));
    started.clear();
    EXPECT_EQ(ShellOpen("--help"), kShellErrFileNotFound);
    EXPECT_TRUE(started.isEmpty());
}

TEST_F(HyperLinkTest, AFailedClickBeepsExplainsAndTakesBackAnEarlierVisit) {
    CHyperLink* link = MakeLink(QString::fromStdString(kUpdateAddress));
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_TRUE(link->IsVisited());

    desktopOpens = false;
    browserCommand = "browse %s";
    startResult = kShellErrFileNotFound;
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_FALSE(link->IsVisited());
    EXPECT_TRUE(ContainsColour(Shot(*link), kLinkColour));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Unable to open hyperlink:\n\nThe specified file was not found.");
    EXPECT_EQ(boxes[0].caption, "Talvorin");
    EXPECT_EQ(boxes[0].style, unsigned(kMbIconWarning));
}

TEST_F(HyperLinkTest, WithoutARegisteredBrowserTheDesktopsFailureIsReported) {
    CHyperLink* link = MakeLink(QString::fromStdString(kUpdateAddress));
    desktopOpens = false;
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_TRUE(started.isEmpty());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Unable to open hyperlink:\n\nThere is no application associated\n"
                             "with the given filename extension.");
}

TEST_F(HyperLinkTest, AnEmptyAddressOpensNothing) {
    EXPECT_EQ(ShellOpen(""), kShellErrFileNotFound);
    EXPECT_TRUE(desktopSaw.empty());
    EXPECT_TRUE(started.isEmpty());
}

struct Reason {
    int code;
    const char* text;
};

class HyperLinkReason : public HyperLinkTest, public testing::WithParamInterface<Reason> {};

TEST_P(HyperLinkReason, FollowsTheFixedFirstLine) {
    CHyperLink* link = MakeLink(QStringLiteral("x"));
    link->ReportError(GetParam().code);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, std::string("Unable to open hyperlink:\n\n") + GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, HyperLinkReason,
    testing::Values(Reason{26, "A sharing violation occurred. "},
                    Reason{4, "Unknown Error (4) occurred."},
                    Reason{-1, "Unknown Error (-1) occurred."},
                    Reason{32, "The specified dynamic-link library was not found."}));

} // namespace

#include "platform/qt/MenuBuilder.h"

#include "platform/qt/CommandActions.h"
#include "platform/qt/ResourceLibrary.h"
#include "platform/qt/WindowStyles.h"
#include "resources/ResourceIds.h"
#include "texts/Env.h"

#include <set>

#include <gtest/gtest.h>

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolBar>

namespace {

const int kFrames[] = {IDR_MAINFRAME, IDR_MAINFRAME_GERMAN, IDR_MAINFRAME_DANISH};

// The commands of each popup in order; 0 is a separator.
const std::vector<std::vector<int>> kCommands = {
    {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_LANGUAGE, 0, ID_APP_EXIT},
    {ID_SYSTEM_SETUP, ID_SYSTEM_ALARM, ID_SYSTEM_SCOPE, ID_DEBUG},
    {ID_RECORD_HISTORY, ID_RECORD_GRAPH},
    {ID_APP_ABOUT},
};

struct Frame {
    QMainWindow window;
    CommandActions actions{window};
    QMenuBar& bar = *window.menuBar();

    explicit Frame(int id) {
        MenuTemplate menu;
        AcceleratorTable keys;
        std::map<int, std::string> strings;
        ResourceError error;
        EXPECT_TRUE(LoadMenuTemplate(id, menu, error)) << error.Describe();
        EXPECT_TRUE(LoadAcceleratorTable(id, keys, error)) << error.Describe();
        EXPECT_TRUE(LoadStringTable(id, strings, error)) << error.Describe();
        BuildMenuBar(menu, bar, actions);
        ApplyAccelerators(keys, actions);
        ApplyCommandPrompts(strings, actions);
    }

    QMenu* Popup(int index) const { return bar.actions().at(index)->menu(); }
};

class FrameMenu : public testing::TestWithParam<int> {};

TEST_P(FrameMenu, HasEveryCommandInItsPlace) {
    Frame frame(GetParam());
    ASSERT_EQ(frame.bar.actions().size(), 4);
    for (std::size_t p = 0; p < kCommands.size(); ++p) {
        QMenu* popup = frame.Popup(static_cast<int>(p));
        ASSERT_NE(popup, nullptr);
        EXPECT_FALSE(popup->title().isEmpty());
        const auto items = popup->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(kCommands[p].size()));
        for (std::size_t i = 0; i < kCommands[p].size(); ++i) {
            QAction* item = items[static_cast<qsizetype>(i)];
            EXPECT_EQ(item->isSeparator(), kCommands[p][i] == 0);
            EXPECT_EQ(CommandOf(item), kCommands[p][i]);
            EXPECT_EQ(item->isSeparator(), item->text().isEmpty());
            if (kCommands[p][i] != 0) {
                EXPECT_EQ(frame.actions.Find(kCommands[p][i]), item);
            }
        }
    }
    EXPECT_EQ(frame.actions.Find(ID_APP_ABOUT)->text(), "&About Talvorin...");
}

TEST_P(FrameMenu, HasTheStandardKeys) {
    Frame frame(GetParam());
    EXPECT_EQ(frame.actions.Find(ID_FILE_NEW)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(frame.actions.Find(ID_FILE_OPEN)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(frame.actions.Find(ID_FILE_SAVE)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(frame.actions.Find(ID_EDIT_COPY)->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_C),
                                   QKeySequence(Qt::CTRL | Qt::Key_Insert)}));
    EXPECT_EQ(frame.actions.Find(ID_PREV_PANE)->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F6));
    // The keys work while the window is active, though no menu shows these commands.
    EXPECT_TRUE(frame.window.actions().contains(frame.actions.Find(ID_FILE_NEW)));
}

TEST_P(FrameMenu, PromptsGiveStatusTextAndTooltip) {
    Frame frame(GetParam());
    for (int command : {ID_SYSTEM_SETUP, ID_SYSTEM_ALARM, ID_SYSTEM_SCOPE, ID_RECORD_HISTORY,
                        ID_RECORD_GRAPH, ID_LANGUAGE, ID_APP_ABOUT}) {
        QAction* action = frame.actions.Find(command);
        EXPECT_FALSE(action->statusTip().isEmpty()) << command;
        EXPECT_FALSE(action->statusTip().contains(u'\n')) << command;
        EXPECT_FALSE(action->toolTip().isEmpty()) << command;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, FrameMenu, testing::ValuesIn(kFrames));

TEST(FrameMenuEnglish, SaysWhatTheProgramAlwaysSaid) {
    Frame frame(IDR_MAINFRAME);
    const QStringList popups = {"&Display", "&System", "&Record", "&Help"};
    for (int p = 0; p < 4; ++p) {
        EXPECT_EQ(frame.Popup(p)->title(), popups[p]);
    }
    const std::pair<int, const char*> texts[] = {
        {ID_VIEW_TOOLBAR, "&ToolBar"},   {ID_VIEW_STATUS_BAR, "&StatusBar"},
        {ID_LANGUAGE, "Language..."},    {ID_APP_EXIT, "&Exit"},
        {ID_SYSTEM_SETUP, "&Setup"},     {ID_SYSTEM_ALARM, "&Alarm"},
        {ID_SYSTEM_SCOPE, "&Scope"},     {ID_DEBUG, "Debug"},
        {ID_RECORD_HISTORY, "&History"}, {ID_RECORD_GRAPH, "&Graph"},
    };
    for (const auto& [command, text] : texts) {
        EXPECT_EQ(frame.actions.Find(command)->text(), text) << command;
    }
    QAction* setup = frame.actions.Find(ID_SYSTEM_SETUP);
    EXPECT_EQ(setup->statusTip(), "Display and setup system configuration");
    EXPECT_EQ(setup->toolTip(), "Display and setup system configuration");
    QAction* language = frame.actions.Find(ID_LANGUAGE);
    EXPECT_EQ(language->statusTip(), "Set system language");
    EXPECT_EQ(language->toolTip(), "Display and setup system language configuration");
}

TEST(FrameMenuLanguages, AreTranslated) {
    Frame english(IDR_MAINFRAME), german(IDR_MAINFRAME_GERMAN), danish(IDR_MAINFRAME_DANISH);
    EXPECT_EQ(german.Popup(0)->title(), "&Ansicht");
    EXPECT_EQ(danish.Popup(0)->title(), "&Vis");
    EXPECT_EQ(german.actions.Find(ID_SYSTEM_SETUP)->text(), "&Einstellungen");
    EXPECT_EQ(danish.actions.Find(ID_SYSTEM_SETUP)->text(), QString::fromUtf8("&Opsætning"));
    for (int command : {ID_SYSTEM_SETUP, ID_RECORD_HISTORY, ID_APP_EXIT}) {
        EXPECT_NE(german.actions.Find(command)->statusTip(),
                  english.actions.Find(command)->statusTip());
        EXPECT_NE(danish.actions.Find(command)->statusTip(),
                  english.actions.Find(command)->statusTip());
    }
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        EXPECT_EQ(static_cast<int>(ResourceIdTable[kDocumentTemplateRow][lang]), kFrames[lang]);
    }
}

TEST(FrameMenuCommands, RouteEveryActionByItsId) {
    Frame frame(IDR_MAINFRAME);
    QSignalSpy spy(&frame.actions, &CommandActions::Command);
    frame.actions.Find(ID_RECORD_GRAPH)->trigger();
    frame.actions.Find(ID_FILE_NEW)->trigger();
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0).at(0).toInt(), ID_RECORD_GRAPH);
    EXPECT_EQ(spy.at(1).at(0).toInt(), ID_FILE_NEW);
}

TEST(FrameMenuCommands, RemovingACommandTakesItOutOfTheMenuOnly) {
    Frame frame(IDR_MAINFRAME);
    QAction* debug = frame.actions.Find(ID_DEBUG);
    RemoveMenuCommand(frame.bar, ID_DEBUG);
    EXPECT_FALSE(frame.Popup(1)->actions().contains(debug));
    EXPECT_EQ(frame.Popup(1)->actions().size(), 3);
    EXPECT_EQ(frame.actions.Find(ID_DEBUG), debug);
}

TEST(FrameToolBar, ShowsSixButtonsWithTheirPicturesSharingTheMenuActions) {
    Frame frame(IDR_MAINFRAME);
    ToolBarTemplate tools;
    ResourceError error;
    ASSERT_TRUE(LoadToolBarTemplate(IDR_MAINFRAME, tools, error)) << error.Describe();
    QToolBar bar;
    BuildToolBar(tools, LoadBitmapResource(IDB_TOOLBAR), bar, frame.actions);
    const std::vector<int> expected = {
        ID_SYSTEM_SETUP, ID_SYSTEM_ALARM, ID_SYSTEM_SCOPE, 0, ID_RECORD_HISTORY, ID_RECORD_GRAPH, 0,
        ID_APP_ABOUT};
    ASSERT_EQ(bar.actions().size(), static_cast<qsizetype>(expected.size()));
    EXPECT_EQ(bar.iconSize(), QSize(19, 18));
    std::set<std::size_t> pictures;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QAction* action = bar.actions()[static_cast<qsizetype>(i)];
        EXPECT_EQ(CommandOf(action), expected[i]);
        if (expected[i] != 0) {
            EXPECT_EQ(action, frame.actions.Find(expected[i]));
            const QImage picture = action->icon().pixmap(QSize(19, 18)).toImage();
            EXPECT_EQ(picture.size(), QSize(19, 18));
            pictures.insert(
                qHashBits(picture.constBits(), static_cast<std::size_t>(picture.sizeInBytes())));
        }
    }
    EXPECT_EQ(pictures.size(), 6u); // each button its own picture
}

TEST(AcceleratorKeys, BecomeQtKeys) {
    struct Case {
        Accelerator entry;
        QKeyCombination keys;
    };
    const Case cases[] = {
        {{'N', true, true, false, false, 1}, Qt::CTRL | Qt::Key_N},
        {{VK_DELETE, true, false, true, false, 1}, Qt::SHIFT | Qt::Key_Delete},
        {{VK_BACK, true, false, false, true, 1}, Qt::ALT | Qt::Key_Backspace},
        {{VK_F1 + 11, true, false, false, false, 1}, QKeyCombination(Qt::Key_F12)},
        {{'5', true, false, false, false, 1}, QKeyCombination(Qt::Key_5)},
        {{'a', false, false, false, false, 1}, QKeyCombination(Qt::Key_A)},
        {{'A', false, false, false, false, 1}, Qt::SHIFT | Qt::Key_A},
        {{'C', false, true, false, false, 1}, Qt::CTRL | Qt::Key_C},
        {{'+', false, false, false, false, 1}, QKeyCombination(Qt::Key_Plus)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AcceleratorKeys(c.entry), c.keys) << c.entry.key;
    }
    // A key with no Qt name gives nothing, and the table skips it.
    const Accelerator numLock{0x90, true, false, false, false, 7};
    EXPECT_EQ(AcceleratorKeys(numLock).key(), Qt::Key_unknown);
    QWidget window;
    CommandActions actions(window);
    ApplyAccelerators({1, {numLock}}, actions);
    EXPECT_EQ(actions.Find(7), nullptr);
}

} // namespace

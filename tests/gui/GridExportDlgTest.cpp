#include "dialogs/GridExport.h"
#include "platform/FileLock.h"
#include "tests/gui/FreshHome.h"
#include "tests/gui/HistoryDlgFixture.h"
#include "texts/Env.h"

#include <fcntl.h>
#include <functional>

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QListWidget>
#include <QTimer>

namespace {

// The export of the history dialog: its column chooser is driven by `choose` while it runs
// modally; the file dialog answers `path` (Cancel when empty).
class GridExportTest : public HistoryDlgTest {
protected:
    // Runs Export; returns the file's bytes ("(none)" when no file was written).
    std::string Export(const std::function<void(CGridExportDlg&)>& choose,
                       const std::string& name = "export.csv") {
        const std::string path = name.empty() ? "" : m_folder.Path(name);
        SetSaveFileHook([&, path](const SaveFileRequest& request, const std::string& folder,
                                  std::string& chosen) {
            fileRequests.push_back(request);
            startFolders.push_back(folder);
            chosen = path;
            return !path.empty();
        });
        QTimer::singleShot(0, [&] {
            if (auto* chooser = qobject_cast<CGridExportDlg*>(QApplication::activeModalWidget())) {
                offered = Items(*chooser);
                choose(*chooser);
            }
        });
        Click(IDC_HISTORY_EXPORT);
        return path.empty() || !std::filesystem::is_regular_file(path) ? "(none)" : ReadBytes(path);
    }

    static std::vector<std::string> Items(CGridExportDlg& chooser) {
        std::vector<std::string> items;
        for (int i = 0; i < chooser.Columns().count(); ++i)
            items.push_back(chooser.Columns().item(i)->text().toStdString() +
                            (chooser.Columns().item(i)->isSelected() ? "*" : ""));
        return items;
    }
    static void Press(CGridExportDlg& chooser, int id) {
        chooser.GetDlgItem<QAbstractButton>(id)->click();
    }
    // Selects only the items named, and puts the caret on the first of them.
    static void SelectOnly(CGridExportDlg& chooser, std::initializer_list<const char*> labels) {
        QListWidget& columns = chooser.Columns();
        columns.clearSelection();
        bool caret = false;
        for (const char* label : labels) {
            QListWidgetItem* item = columns.findItems(label, Qt::MatchExactly).value(0);
            ASSERT_NE(item, nullptr) << label;
            item->setSelected(true);
            if (!caret)
                columns.setCurrentItem(item, QItemSelectionModel::NoUpdate);
            caret = true;
        }
    }

    std::vector<std::string> offered;
    std::vector<SaveFileRequest> fileRequests;
    std::vector<std::string> startFolders; // where each file dialog started
};

const char kVisibleHeader[] =
    "No,Time,Interval(mi),Indoor Humidity(%),Indoor Temperature(°C),Outdoor Humidity(%),"
    "Outdoor Temperature(°C),Absolute Pressure(hPa),Wind(km/h),Gust(km/h),Direction,"
    "Relative Pressure(hPa),Dewpoint(°C),Windchill(°C),Hour Rainfall(mm),"
    "24 hour Rainfall(mm),Week Rainfall(mm),Month Rainfall(mm),Total Rainfall(mm),"
    "Wind Level(bft),Gust Level(bft),lightmeter(lux),UV\r\n";

TEST_F(GridExportTest, AnEmptyListGivesTheHeaderLineOfEveryOfferedColumn) {
    Open("2024-03-06 10:05:30");
    ASSERT_EQ(List().RowCount(), 0);

    EXPECT_EQ(Export([](CGridExportDlg& chooser) { Press(chooser, IDOK); }), kVisibleHeader);

    // The 23 visible columns are offered, all selected; the hidden ones are not.
    ASSERT_EQ(offered.size(), 23u);
    EXPECT_EQ(offered[0], "1.No*");
    EXPECT_EQ(offered[1], "2.Time*");
    EXPECT_EQ(offered[22], "23.UV*");
    ASSERT_EQ(fileRequests.size(), 1u);
    EXPECT_EQ(fileRequests[0].initialName, "Talvorin.csv");
    EXPECT_EQ(fileRequests[0].defaultExtension, "csv");
    EXPECT_EQ(fileRequests[0].filter, "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||");
    EXPECT_TRUE(fileRequests[0].overwritePrompt);
}

// A new user's first export is offered in the documents folder; the next one starts where the
// last one was saved, while the save dialog of a picture still starts in the documents folder.
TEST_F(GridExportTest, TheNextExportStartsWhereTheLastOneWasSaved) {
    const FreshHome home;
    const std::string documents = home.NameDocumentsFolder("Dokumente");
    Open("2024-03-06 10:05:30");
    const auto all = [](CGridExportDlg& chooser) { Press(chooser, IDOK); };
    std::filesystem::create_directory(m_folder.Path("station"));

    EXPECT_EQ(Export(all, "station/Talvorin.csv"), kVisibleHeader);
    EXPECT_EQ(Export(all, "station/again.csv"), kVisibleHeader);

    EXPECT_EQ(startFolders, (std::vector<std::string>{documents, m_folder.Path("station")}));
    const SaveFileRequest picture{"JPEG Files (*.jpg)|*.jpg|All Files (*.*)|*.*||", "jpg",
                                  "Talvorin.jpg"};
    EXPECT_EQ(MakeSaveFileDialog(nullptr, picture)->directory().absolutePath().toStdString(),
              documents);
}

// UP and Down put the chosen columns in order; the rows come in list order.
TEST_F(GridExportTest, ChosenColumnsInTheOrderUpAndDownGaveThem) {
    StoreRecords("2024-03-06 09:55:00", 3); // 09:55, 10:00, 10:05
    Open("2024-03-06 10:05:30");
    ChooseRange(1);
    Click(IDC_HISTORY_SEARCH);

    const std::string csv = Export([](CGridExportDlg& chooser) {
        SelectOnly(chooser, {"5.Indoor Temperature(°C)", "2.Time", "11.Direction"});
        Press(chooser, IDC_GRID_EXPORT_UP); // temperature before Humidity(%) at 3
        Press(chooser, IDC_GRID_EXPORT_UP);
        Press(chooser, IDC_GRID_EXPORT_UP);
        Press(chooser, IDC_GRID_EXPORT_UP);                                 // ... to the top
        Press(chooser, IDC_GRID_EXPORT_UP);                                 // the top: nothing
        chooser.Columns().setCurrentRow(10, QItemSelectionModel::NoUpdate); // Direction
        Press(chooser, IDC_GRID_EXPORT_DOWN);
        Press(chooser, IDOK);
    });

    EXPECT_EQ(csv, "Indoor Temperature(°C),Time,Direction\r\n"
                   "18.5,06-03-2024 09:55,ESE\r\n"
                   "19.5,06-03-2024 10:00,ESE\r\n"
                   "20.5,06-03-2024 10:05,ESE\r\n");
}

// The export writes the rows the list shows: no line for the garbage in place of line 300,
// and "---" where line 301, cut short after its times, has no value.
TEST_F(GridExportTest, ADamagedLineIsLeftOutAndACutLineExportsOnlyWhatItHolds) {
    StoreDamagedRecords();
    Open("2024-03-06 11:05:30");
    ChooseRange(1);
    Click(IDC_HISTORY_SEARCH);

    const std::string csv = Export([](CGridExportDlg& chooser) {
        SelectOnly(chooser, {"1.No", "2.Time", "3.Interval(mi)", "5.Indoor Temperature(°C)"});
        Press(chooser, IDOK);
    });

    EXPECT_EQ(csv.substr(csv.find("\r\n298,")), "\r\n298,06-03-2024 10:45,5,21.5\r\n"
                                                "299,06-03-2024 10:50,5,22.5\r\n"
                                                "301,06-03-2024 11:00,---,---\r\n"
                                                "302,06-03-2024 11:05,5,18.5\r\n");
    EXPECT_EQ(csv.find("this"), std::string::npos);
}

TEST_F(GridExportTest, MovingKeepsTheSelectionOfTheMovedItemAndStopsAtTheEnds) {
    Open("2024-03-06 10:05:30");
    std::vector<std::string> moved;
    Export(
        [&](CGridExportDlg& chooser) {
            QListWidget& columns = chooser.Columns();
            columns.item(22)->setSelected(false);
            columns.setCurrentRow(22, QItemSelectionModel::NoUpdate);
            Press(chooser, IDC_GRID_EXPORT_DOWN); // the last: nothing
            Press(chooser, IDC_GRID_EXPORT_UP);
            moved = Items(chooser);
            Press(chooser, IDCANCEL);
        },
        "");
    ASSERT_EQ(moved.size(), 23u);
    EXPECT_EQ(moved[21], "23.UV");
    EXPECT_EQ(moved[22], "22.lightmeter(lux)*");
    EXPECT_TRUE(fileRequests.empty()) << "Cancel in the chooser asks for no file";
}

TEST_F(GridExportTest, AWidenedHiddenColumnIsOfferedAndExported) {
    StoreRecords("2024-03-06 10:00:00", 1);
    Open("2024-03-06 10:05:30");
    List().SetColumnWidth(24, 50);

    const std::string csv = Export([](CGridExportDlg& chooser) {
        SelectOnly(chooser, {"1.No", "25.Rain(Hz)"});
        Press(chooser, IDOK);
    });

    EXPECT_EQ(offered.size(), 24u);
    EXPECT_EQ(offered.back(), "25.Rain(Hz)*");
    EXPECT_EQ(csv, "No,Rain(Hz)\r\n1,334\r\n");
}

// The Danish template's caption gives way to the one caption of every language.
TEST_F(GridExportTest, TheChooserIsCalledExportGridDataInEveryLanguage) {
    const int before = g_lang;
    g_lang = 2;
    Open("2024-03-06 10:05:30");
    std::string caption, exportButton;
    Export(
        [&](CGridExportDlg& chooser) {
            caption = chooser.windowTitle().toStdString();
            exportButton = chooser.GetDlgItemText(IDOK);
            Press(chooser, IDCANCEL);
        },
        "");
    g_lang = before;

    EXPECT_EQ(caption, "Export Grid Data");
    EXPECT_EQ(exportButton, "Eksportér");
}

TEST_F(GridExportTest, NothingChosenKeepsTheChooserOpen) {
    Open("2024-03-06 10:05:30");
    bool stillOpen = false;
    const std::string csv = Export([&](CGridExportDlg& chooser) {
        chooser.Columns().clearSelection();
        Press(chooser, IDOK);
        stillOpen = chooser.isVisible();
        Press(chooser, IDCANCEL);
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(csv, "(none)");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Please select data!");
    EXPECT_EQ(boxes[0].caption, "Operation Notify");
    EXPECT_EQ(boxes[0].style, static_cast<unsigned>(kMbIconWarning));
}

TEST_F(GridExportTest, CancelInTheFileDialogWritesNothing) {
    Open("2024-03-06 10:05:30");
    EXPECT_EQ(Export([](CGridExportDlg& chooser) { Press(chooser, IDOK); }, ""), "(none)");
    EXPECT_EQ(fileRequests.size(), 1u);
    EXPECT_TRUE(boxes.empty());
}

// A path of 220 characters is written; one of 221 is refused and writes nothing.
TEST_F(GridExportTest, APathOfTwoHundredTwentyCharactersIsTheLongest) {
    Open("2024-03-06 10:05:30");
    const std::size_t folder = m_folder.Path("").size();
    const std::string longest = std::string(220 - folder - 4, 'a') + ".csv";
    const std::string tooLong = std::string(221 - folder - 4, 'b') + ".csv";
    const auto all = [](CGridExportDlg& chooser) { Press(chooser, IDOK); };

    EXPECT_EQ(Export(all, longest), kVisibleHeader);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(Export(all, tooLong), "(none)");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Filename is too long!");
    EXPECT_EQ(boxes[0].caption, "Operation Notify");
    EXPECT_EQ(boxes[0].style, static_cast<unsigned>(kMbIconInformation));
}

// An export replaces an older file whole; one that cannot be written says so and leaves the
// older file as it was.
TEST_F(GridExportTest, AFileIsReplacedWholeOrNotAtAll) {
    Open("2024-03-06 10:05:30");
    WriteBytes(m_folder.Path("old.csv"), "older export\r\n");
    const auto all = [](CGridExportDlg& chooser) { Press(chooser, IDOK); };

    EXPECT_EQ(Export(all, "old.csv"), kVisibleHeader);
    EXPECT_EQ(Export(all, "missing/folder.csv"), "(none)");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "The file could not be written!");

    std::filesystem::create_directory(m_folder.Path("locked"));
    WriteBytes(m_folder.Path("locked/kept.csv"), "kept\r\n");
    std::filesystem::permissions(m_folder.Path("locked"), std::filesystem::perms::owner_read |
                                                              std::filesystem::perms::owner_exec);
    if (getuid() != 0) { // root writes anywhere
        EXPECT_EQ(Export(all, "locked/kept.csv"), "kept\r\n");
        EXPECT_EQ(boxes.size(), 2u);
    }
    std::filesystem::permissions(m_folder.Path("locked"), std::filesystem::perms::owner_all);
}

// An export killed while writing left its temporary file: the next export into that folder
// removes the program's temporaries there and nothing else; a failed export leaves none.
TEST_F(GridExportTest, TheNextExportRemovesTheTemporariesAKilledOneLeftAndAFailedOneLeavesNone) {
    Open("2024-03-06 10:05:30");
    const auto all = [](CGridExportDlg& chooser) { Press(chooser, IDOK); };
    const std::vector<std::string> leftovers = {"export.csv.replace-Ab12Cd",
                                                "other.csv.replace-x9Y8z7"};
    const std::vector<std::string> others = {
        "notes.replace-me",           // not six letters and digits
        "export.csv.replace-Ab12C",   // one short
        "export.csv.replace-Ab12Cd~", // more after them
        ".replace-Ab12Cd",            // no name
        "export.csv.replace-Ab-2Cd",  // not letters and digits
    };
    for (const std::string& name : leftovers)
        WriteBytes(m_folder.Path(name), std::string(1000, 'x'));
    for (const std::string& name : others)
        WriteBytes(m_folder.Path(name), "the user's");
    std::filesystem::create_directory(m_folder.Path("folder.csv.replace-Qw12Er"));
    // A temporary file that a replacement under way holds locked is not abandoned.
    const std::string busy = m_folder.Path("Talvorin.ini.replace-Zx98Cv");
    WriteBytes(busy, "being written");
    const UniqueFd held(open(busy.c_str(), O_RDONLY | O_CLOEXEC));
    ASSERT_TRUE(TryLockExclusive(held.Get()));

    EXPECT_EQ(Export(all, "new.csv"), kVisibleHeader);
    for (const std::string& name : leftovers)
        EXPECT_FALSE(std::filesystem::exists(m_folder.Path(name))) << name;
    for (const std::string& name : others)
        EXPECT_EQ(ReadBytes(m_folder.Path(name)), "the user's") << name;
    EXPECT_TRUE(std::filesystem::is_directory(m_folder.Path("folder.csv.replace-Qw12Er")));
    EXPECT_TRUE(std::filesystem::exists(busy));

    // A folder in the file's place: the rename fails, after the contents were written.
    std::filesystem::create_directory(m_folder.Path("taken.csv"));
    EXPECT_EQ(Export(all, "taken.csv"), "(none)");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "The file could not be written!");
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.Path("")))
        EXPECT_FALSE(entry.path().filename().string().starts_with("taken.csv.replace-"))
            << entry.path();
}

// A header or cell holding a double quote is quoted as CSV quotes it; the others stay as shown.
TEST_F(GridExportTest, ATitleWithADoubleQuoteIsQuoted) {
    const int before = g_lang;
    g_lang = 1;
    StoreRecords("2024-03-06 10:00:00", 1);
    Open("2024-03-06 10:05:30");

    const std::string csv = Export([](CGridExportDlg& chooser) {
        SelectOnly(chooser, {"1.No", "10.Windbö\"(km/h)"});
        Press(chooser, IDOK);
    });
    g_lang = before;

    EXPECT_EQ(csv, "No,\"Windbö\"\"(km/h)\"\r\n1,24.5\r\n");
}

} // namespace

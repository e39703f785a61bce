#pragma once

#include <functional>
#include <memory>
#include <string>

class CMainFrame;
class QWidget;

// One window of the pictures that render_windows draws: build/screenshots/<name>-<lang>.png,
// lang one of en, de, da (en only for a window that exists in English alone). Each window's
// picture is registered by a file of its own in this folder:
//
//   static const WindowPictureRegistration kSetup{{"setup", true, [](CMainFrame& frame) {
//       auto dialog = std::make_unique<CSetupDlg>(&frame);
//       dialog->Create();   // initialised as for a modal run, but not run
//       return std::unique_ptr<QWidget>(std::move(dialog));
//   }}};
//
// `open` runs with g_lang set to the language, a main frame of that language shown without a
// monitor thread, and the simulated console connected and idle; the data file is a temporary
// one that holds a week of sample records ending now (see StoreSampleWeek). It returns the window
// to draw, already set up as it should be seen (shown or not: it is shown before it is drawn), or
// nullptr when it cannot be made.
struct WindowPicture {
    std::string name;
    bool translated = true;
    std::function<std::unique_ptr<QWidget>(CMainFrame& frame)> open;
};

struct WindowPictureRegistration {
    explicit WindowPictureRegistration(WindowPicture picture);
};

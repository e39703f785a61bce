#pragma once

#include <string>

// The command line of the user's web browser, as registered with the desktop: the first entry
// of $BROWSER, else the Exec line of the desktop's default web browser (xdg-settings), else
// x-www-browser when it is installed. Empty when none is found.
std::string RegisteredBrowserCommand();

// A registered command line holds a placeholder where the address goes ("%s" in $BROWSER,
// "%u", "%U", "%f" or "%F" in a desktop entry), possibly in double quotes. The address is
// always passed last, so the line is cut before the first placeholder (with its opening quote)
// and trailing blanks. A line without one is kept whole.
std::string CommandBeforePlaceholder(const std::string& command);

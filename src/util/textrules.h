#pragma once

#include <QString>

// Text rules shared by every layer. The game trims spaces only: tabs, line
// feeds and other white space are part of the text and must survive.
QString TrimSpaces(const QString& text);  // leading and trailing ' ' removed
QString LTrimSpaces(const QString& text); // leading ' ' removed
QString RTrimSpaces(const QString& text); // trailing ' ' removed

#pragma once

#include "model/gameset.h"

#include <QString>
#include <QStringList>
#include <array>

// Which fields the listing prints.
enum class PrintMode { All = 1, Questions = 2, Answers = 3 };

// Dollar values of question rows 1..5; 0 prints no amount.
using DollarValues = std::array<int, 5>;
DollarValues DollarValuesFor(int multiplier); // multiplier × row, 0 for none

// The title: file name of currentFileName cut before its first "."; "Untitled" when blank.
QString ListingTitle(const QString& currentFileName);

// The printed lines of the listing, one entry per printed line.
QStringList BuildListing(const GameSet& game, PrintMode mode, const DollarValues& dollars,
                         const QString& title);

#pragma once

#include "model/gameset.h"

#include <QByteArray>
#include <QString>

// Inputs shared by the benchmarks.
QByteArray ExampleGameSetBytes();         // the shipped example game set
GameSet FullGameSet();                    // every fixed field filled to its width
QByteArray TabDelimitedBoard();           // a complete 68-line import file
QString QuestionTextOfLength(int length); // words wrapped like a real question

#pragma once

#include <QList>
#include <QStringView>

// A piece of a text, by character positions.
struct TextSpan {
    int start = 0;
    int length = 0;

    int end() const { return start + length; }
    bool operator==(const TextSpan& other) const {
        return start == other.start && length == other.length;
    }
};

// Longer runs of letters are not words a dictionary could know.
inline constexpr int LongestWord = 64;

// The words of `text` worth looking up, in order. A word is a run of
// letters, with apostrophes inside it ("isn't"); hyphens, dashes and other
// punctuation separate words. Runs with a digit ("1st", "mp3"), single
// letters, and whole addresses, paths and file names ("www.example.com",
// "C:\Clips\intro.mp4", "photo.jpg") are skipped.
QList<TextSpan> SplitWords(QStringView text);

// The program's own help: a book of topics read from a text resource (one per language), shown
// where WinHelp cannot show the help file.
//
// The text is 8-bit (code page 1252), with CR LF or LF line ends. Three kinds of line start with
// a directive; every other line belongs to the topic above it:
//   #book <title>        the help window's title
//   #find <label>        the label of the search box
//   #topic <id> <title>  a new topic; the id is the help context number that asks for it
// In a topic, lines next to each other form one paragraph (joined with a blank); an empty line
// ends the paragraph. A line that starts with "- " or with a blank stands on a line of its own.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct HelpTopic {
    int id = 0;
    std::string title;
    std::string body; // paragraphs with CR LF line ends, an empty line between paragraphs
};

struct HelpBook {
    std::string title;
    std::string findLabel;
    std::vector<HelpTopic> topics; // in the order of the text
};

HelpBook ParseHelpBook(const char* text, size_t length);

// The topic with this id, or none.
const HelpTopic* FindHelpTopic(const HelpBook& book, int id);

// True when every word of the search text occurs in the topic's title or body. Case and the
// accents of code page 1252 letters do not count ("INDICE" finds "índice"). An empty search
// matches every topic.
bool TopicMatches(const HelpTopic& topic, const std::string& search);

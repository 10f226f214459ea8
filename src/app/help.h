// Help: every help command and Help button asks for a topic of the help file through here.
// Where WinHelp or the help file cannot show it, the program shows its own text for the topic.
#pragma once

#include <windows.h>

void ShowHelpTopic(HWND owner, const char* file, UINT command, ULONG_PTR data);

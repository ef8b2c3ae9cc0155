#pragma once

// The program's title in each language: the catalogue's, and the description
// Windows shows of the program file, which the resource compiler reads from
// here through the C preprocessor. So this file holds these macros and nothing
// else, in UTF-8, the code page the resource file declares.
#define MI_PROGRAMMTITEL_DE "Mitarbeiterdaten importieren"
#define MI_PROGRAMMTITEL_EN "Import Employee Data"
#define MI_PROGRAMMTITEL_FR "Import des Employés"

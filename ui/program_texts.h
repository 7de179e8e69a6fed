// Fixed texts and addresses of the user interface that are this program's own.
#pragma once

namespace vireon {

// The page where a newer version of the program can be fetched (the update button opens it).
inline constexpr const char* UpdateAddress = "https://vireon.example.org/telechargement/";

// The contact line of the about dialog, under "envoyer un mail à".
inline constexpr const char* ContactLine = "contact@vireon.example.org";

inline constexpr const char* ProductName = "Vireon";
inline constexpr const char* VersionText = "Version 1.06";

// The question asked before quitting.
inline constexpr const char* QuitQuestion = "Voulez-vous quitter?";

// The message of a print the printer refused (one to a file that cannot be written names the file).
inline constexpr const char* UnprintedViewMessage = "La vue n'a pas pu être imprimée.";

}  // namespace vireon

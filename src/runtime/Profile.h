#pragma once
// The profile-string functions: read and write one key of an INI-style file.
// Names and signatures as the system functions have them.

// Copies the value of [section] key into buffer (at most size - 1 characters and a NUL)
// and returns the count copied. A line "[name]" opens a section ("[" alone does not).
// Section and key names match without regard to case, blanks around names and values are
// dropped, the first matching section and key win, one pair of enclosing quotes is removed. A key with nothing after "=" gives the empty
// text; a missing key, section or file gives def. With key null, the buffer receives the
// section's key names, with section null the file's section names, each ended by a NUL,
// the list by a second NUL.
int GetPrivateProfileStringA(const char* section, const char* key, const char* def, char* buffer, int size,
                             const char* path);

// Writes key=value into [section]: rewrites only that key's line (keeping the file's own
// spelling of the key's name), adds a new key at the end of its section and a new section
// at the end of the file, keeps every other byte. Writing the value the key already has
// leaves the file untouched. A null value removes the key, a null key the whole section.
// The file is replaced in one step. Returns false when the file could not be written.
bool WritePrivateProfileStringA(const char* section, const char* key, const char* value, const char* path);

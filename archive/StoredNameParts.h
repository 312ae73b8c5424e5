#pragma once
#include <string>

// Stored names are "/" separated; these give the forms that the platform's path rules read.

// "/" turned into the platform's delimiter.
std::string WithPathDelims(const std::string& StoredName);
// The reported form: as WithPathDelims, with one trailing delimiter removed.
std::string ReportedItemName(const std::string& StoredName);
// The stored name without one trailing "/" or "\".
std::string WithoutTrailingSeparator(const std::string& StoredName);

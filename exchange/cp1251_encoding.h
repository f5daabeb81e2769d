#pragma once

namespace orvane {

// Has libxml2 convert "windows-1251" with the program's own code page tables rather than iconv:
// the same characters (references for what the code page lacks when writing), several times
// faster. Repeated calls do nothing.
void UseOwnCp1251Encoding();

} // namespace orvane

#pragma once

namespace palimora {

// What palimora-cli ends with; the README and the manual page list them.
enum ExitStatus : int {
    kExitDone = 0,          // everything asked was done
    kExitFailed = 1,        // something was not done; the messages say what
    kExitBadArguments = 2,  // the arguments cannot be used; nothing was done
    kExitFolderInUse = 3,   // the window is open on the program folder; nothing was done
};

}  // namespace palimora

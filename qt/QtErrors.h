#pragma once
// The numbers with which the Qt realisation fails, in the classic run-time error
// numbering that hosts of such controls already know.

namespace tellvane {

enum QtErrorNumber : int {
    kInvalidProcedureCall = 5,    ///< no screen to ask
    kOutOfMemory = 7,             ///< the surface's image could not be allocated
    kFileAccess = 75,             ///< a file could not be read or written
    kObjectUnloaded = 364,        ///< the host deleted the widget inside a call into it
    kInvalidPropertyValue = 380,  ///< a size the surface refuses
};

}  // namespace tellvane

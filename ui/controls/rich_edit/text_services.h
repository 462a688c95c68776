// text_services.h -- access to the windowless rich-edit text services of the
// system: the ITextServices / ITextHost interfaces (MinGW's <textserv.h>
// declares the classes but its IID symbols have no definition in the import
// libraries, so the identifiers are declared here), and the creation
// function, exported by riched20.dll as ordinal 4 and loaded from the system
// folder only, never through the search path.
#pragma once

#include <windows.h>
#include <richedit.h>
#include <textserv.h>

#include <string>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {

// {8D33F740-CF58-11CE-A89D-00AA006CADC5}
constexpr IID kIidTextServices = {0x8D33F740, 0xCF58, 0x11CE, {0xA8, 0x9D, 0x00, 0xAA, 0x00, 0x6C, 0xAD, 0xC5}};
// {C5BDD8D0-D26E-11CE-A89E-00AA006CADC5}
constexpr IID kIidTextHost = {0xC5BDD8D0, 0xD26E, 0x11CE, {0xA8, 0x9E, 0x00, 0xAA, 0x00, 0x6C, 0xAD, 0xC5}};

using YdCreateTextServicesProc = HRESULT(WINAPI*)(IUnknown* outer, ITextHost* host, IUnknown** created);

// The creation function of riched20.dll in the system folder, loaded once
// per process (the library stays loaded: text services may live until the
// process ends). Null when the library or the export is missing.
YdCreateTextServicesProc TextServicesFactory();

// The full path of riched20.dll in the system folder; empty when the
// folder cannot be read.
std::wstring SystemRichEditPath();

}  // namespace ZEPHYRA_NAMESPACE

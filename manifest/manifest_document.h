// The application manifest written beside each executable. It binds the
// program to Common Controls 6.0.0.0, so its controls draw in the XP style.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace pavonet {

// The document's 20 lines, each written followed by CR LF.
inline constexpr std::array<std::string_view, 20> ManifestLines = {
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)",
    R"(<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">)",
    R"(<assemblyIdentity)",
    R"(  version="1.0.0.0")",
    R"(  processorArchitecture="X86")",
    R"(  name="by Pavonet")",
    R"(  type="win32" />)",
    R"(<description>Description</description>)",
    R"(<dependency>)",
    R"(    <dependentAssembly>)",
    R"(<assemblyIdentity)",
    R"(            type="win32")",
    R"(            name="Microsoft.Windows.Common-Controls")",
    R"(            version="6.0.0.0")",
    R"(            processorArchitecture="X86")",
    R"(            publicKeyToken="6595b64144ccf1df")",
    R"( language="*" />)",
    R"(</dependentAssembly>)",
    R"(</dependency>)",
    R"(</assembly>)",
};

inline constexpr std::string_view kLineEnd = "\r\n";

// The processor architecture the document declares. An "X86" identity beside
// a 64-bit (or ARM) executable stops it from starting, so such programs get "*".
enum class ProcessorArchitecture { X86, Any };

// The line of ManifestLines as written for the given architecture.
std::string_view ManifestLine(std::size_t index, ProcessorArchitecture architecture);

// The whole document: 608 bytes for X86, 604 for Any.
std::string ManifestDocument(ProcessorArchitecture architecture);

}  // namespace pavonet

// Loading of the document readers' module, found beside the program or in its installed folder.
#include "core/documents/readers_module.h"

#include "core/documents/document_error.h"
#include "core/text/file_path.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace quorvelle {
namespace {

using Reason = FileError::Reason;
using EntryPoint = decltype(&quorvelle_document_readers);

// Where the module is: beside the program, else in the installed layout relative to the
// programs' folder, so that an installed tree still finds it once moved elsewhere. If the
// system cannot name the program, the folder the build was configured to install it in.
std::filesystem::path documentReadersModule()
{
    const std::filesystem::path programs = programFolder();
    if (programs.empty())
        return std::filesystem::path(QUORVELLE_DOCUMENT_READERS_INSTALLED) / QUORVELLE_DOCUMENT_READERS_FILE;
    const std::filesystem::path beside = programs / QUORVELLE_DOCUMENT_READERS_FILE;
    std::error_code error;
    if (std::filesystem::exists(beside, error))
        return beside;
    return (programs / QUORVELLE_DOCUMENT_READERS_FROM_PROGRAMS / QUORVELLE_DOCUMENT_READERS_FILE).lexically_normal();
}

#ifdef _WIN32
using ModuleHandle = HMODULE;

ModuleHandle openModule(const std::filesystem::path& module)
{
    // The libraries the module needs are looked for in its own folder first.
    return LoadLibraryExW(module.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

EntryPoint entryPointOf(ModuleHandle handle)
{
    return reinterpret_cast<EntryPoint>(reinterpret_cast<void*>(GetProcAddress(handle, documentReadersEntryPoint)));
}

void closeModule(ModuleHandle handle)
{
    FreeLibrary(handle);
}
#else
using ModuleHandle = void*;

ModuleHandle openModule(const std::filesystem::path& module)
{
    // Every symbol bound now, so that a module missing one of its libraries fails here, once,
    // rather than in the middle of a document; its symbols stay its own.
    return ::dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
}

EntryPoint entryPointOf(ModuleHandle handle)
{
    return reinterpret_cast<EntryPoint>(::dlsym(handle, documentReadersEntryPoint));
}

void closeModule(ModuleHandle handle)
{
    ::dlclose(handle);
}
#endif

} // namespace

const DocumentReaders& loadDocumentReaders(const std::filesystem::path& module)
{
    std::error_code error;
    if (!std::filesystem::exists(module, error))
        throw DocumentError(Reason::DocumentReadersMissing, utf8Name(module));
    const ModuleHandle handle = openModule(module);
    if (!handle)
        throw DocumentError(Reason::DocumentReadersUnusable, utf8Name(module));
    const EntryPoint entryPoint = entryPointOf(handle);
    const DocumentReaders* readers = entryPoint ? entryPoint() : nullptr;
    if (!readers || readers->version != documentReadersVersion) {
        closeModule(handle);
        throw DocumentError(Reason::DocumentReadersUnusable, utf8Name(module));
    }
    return *readers;
}

const DocumentReaders& documentReaders()
{
    // A static initialised by a call that throws is initialised again on the next call.
    static const DocumentReaders& readers = loadDocumentReaders(documentReadersModule());
    return readers;
}

} // namespace quorvelle

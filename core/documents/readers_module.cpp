// dlopen of the document readers' module, found relative to /proc/self/exe.
#include "core/documents/readers_module.h"

#include "core/documents/document_error.h"

#include <dlfcn.h>

namespace quorvelle {
namespace {

using Reason = FileError::Reason;

// Where the module is: beside the program, else in the installed layout relative to the
// programs' folder, so that an installed tree still finds it once moved elsewhere. Without
// /proc, the folder the build was configured to install it in.
std::filesystem::path documentReadersModule()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::filesystem::path(QUORVELLE_DOCUMENT_READERS_INSTALLED) / QUORVELLE_DOCUMENT_READERS_FILE;
    const std::filesystem::path beside = program.parent_path() / QUORVELLE_DOCUMENT_READERS_FILE;
    if (std::filesystem::exists(beside, error))
        return beside;
    return (program.parent_path() / QUORVELLE_DOCUMENT_READERS_FROM_PROGRAMS / QUORVELLE_DOCUMENT_READERS_FILE)
        .lexically_normal();
}

} // namespace

const DocumentReaders& loadDocumentReaders(const std::filesystem::path& module)
{
    std::error_code error;
    if (!std::filesystem::exists(module, error))
        throw DocumentError(Reason::DocumentReadersMissing, module.string());
    // Every symbol bound now, so that a module missing one of its libraries fails here, once,
    // rather than in the middle of a document; its symbols stay its own.
    void* handle = ::dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        throw DocumentError(Reason::DocumentReadersUnusable, module.string());
    const auto entryPoint =
        reinterpret_cast<decltype(&quorvelle_document_readers)>(::dlsym(handle, documentReadersEntryPoint));
    const DocumentReaders* readers = entryPoint ? entryPoint() : nullptr;
    if (!readers || readers->version != documentReadersVersion) {
        ::dlclose(handle);
        throw DocumentError(Reason::DocumentReadersUnusable, module.string());
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

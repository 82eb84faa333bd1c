#pragma once

#include "app/TData.h"
#include "tests/TempDirectory.h"

#include <filesystem>
#include <string>

namespace datatest {

// A new, empty note store "Veltrin.mdb" in a temporary directory.
class TempStore {
public:
    TempStore() { app::TData::CreateStore(File()); }

    std::filesystem::path File() const { return m_directory.Path() / "Veltrin.mdb"; }
    std::string ConnectionString() const { return app::TData::ConnectionStringFor(File()); }
    const std::filesystem::path& Directory() const { return m_directory.Path(); }

private:
    TempDirectory m_directory;
};

} // namespace datatest

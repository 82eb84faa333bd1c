#pragma once

#include "report/data/TfrDataset.h"

#include "platform/data/TCustomADODataSet.h"

#include <map>
#include <memory>
#include <optional>

namespace report {

// The report's view of one database dataset (a table or query of the data
// module). Open opens it when asked to, and the range settings can pin the
// walk to the record that was current when the report started.
class TfrDBDataSet : public TfrDataset {
public:
    explicit TfrDBDataSet(std::string name = {});
    ~TfrDBDataSet() override;

    void Open() override;
    void Close() override;
    void First() override;
    void Next() override;
    void Prior() override;
    bool Eof() override;
    const TfrDataField* FindField(const std::string& name) override;

    db::TCustomADODataSet* DataSet { nullptr };
    bool OpenDataSource { true };
    bool CloseDataSource { false };
    std::function<void()> OnOpen;
    std::function<void()> OnClose;

private:
    class Field;

    // The database dataset; "Unable to open dataset <name>" when none is set.
    db::TCustomADODataSet& Source();
    bool PinnedToCurrent() const;

    std::optional<db::TBookmark> m_bookmark;
    bool m_reachedBookmark { false };
    std::map<std::string, std::unique_ptr<Field>> m_fields;
};

} // namespace report

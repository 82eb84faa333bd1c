#include "report/data/TfrDBDataSet.h"

#include "report/data/DatasetError.h"

#include "platform/data/TField.h"

namespace report {

// A column of the database dataset as the expression engine reads it. It
// finds its column by name on every read, because the database dataset
// makes its fields anew each time it opens.
class TfrDBDataSet::Field : public TfrDataField {
public:
    Field(TfrDBDataSet& owner, std::string name) : m_owner(owner), m_name(std::move(name)) {}

    TfrFieldKind Kind() const override
    {
        switch (Type()) {
        case db::TFieldType::ftString:
        case db::TFieldType::ftMemo:
            return TfrFieldKind::Text;
        case db::TFieldType::ftBoolean:
            return TfrFieldKind::Boolean;
        case db::TFieldType::ftLargeint:
            return TfrFieldKind::LargeInt;
        default:
            return TfrFieldKind::Other;
        }
    }

    Variant Value() const override
    {
        const db::TField* field = Column();
        if (!field || field->IsNull())
            return {};
        switch (field->DataType()) {
        case db::TFieldType::ftDateTime:
            return Variant(field->AsDateTime());
        case db::TFieldType::ftInteger:
        case db::TFieldType::ftFloat:
            if (auto number = ToNumber(field->AsString()))
                return *number;
            return Variant(field->AsString());
        case db::TFieldType::ftBoolean:
            return Variant(field->AsString() != "0" && !field->AsString().empty());
        default:
            return Variant(field->AsString());
        }
    }

    std::string DisplayText() const override
    {
        const db::TField* field = Column();
        return field ? field->AsString() : std::string {};
    }

    bool HasTextHandler() const override { return false; }

private:
    static std::optional<Variant> ToNumber(const std::string& text)
    {
        try {
            std::size_t used = 0;
            double number = std::stod(text, &used);
            if (used != text.size())
                return std::nullopt;
            if (number == static_cast<std::int32_t>(number) && text.find_first_of(".eE") == std::string::npos)
                return Variant(static_cast<int>(number));
            return Variant(number);
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }

    db::TFieldType Type() const
    {
        const db::TField* field = Column();
        return field ? field->DataType() : db::TFieldType::ftString;
    }

    const db::TField* Column() const
    {
        db::TCustomADODataSet* source = m_owner.DataSet;
        if (!source || !source->Active() || source->IsEmpty())
            return nullptr;
        return source->FindField(m_name);
    }

    TfrDBDataSet& m_owner;
    std::string m_name;
};

TfrDBDataSet::TfrDBDataSet(std::string name) : TfrDataset(std::move(name)) {}

TfrDBDataSet::~TfrDBDataSet() = default;

db::TCustomADODataSet& TfrDBDataSet::Source()
{
    if (!DataSet)
        throw DatasetError("Unable to open dataset " + Name);
    return *DataSet;
}

bool TfrDBDataSet::PinnedToCurrent() const
{
    return RangeBegin == TfrRangeBegin::rbCurrent || RangeEnd == TfrRangeEnd::reCurrent;
}

void TfrDBDataSet::Open()
{
    db::TCustomADODataSet& source = Source();
    if (OpenDataSource)
        source.Open();
    if (OnOpen)
        OnOpen();
    m_bookmark.reset();
    if (PinnedToCurrent() && source.Active())
        m_bookmark = source.GetBookmark();
}

void TfrDBDataSet::Close()
{
    db::TCustomADODataSet& source = Source();
    if (m_bookmark && source.Active())
        source.GotoBookmark(*m_bookmark);
    m_bookmark.reset();
    if (OnClose)
        OnClose();
    if (CloseDataSource)
        source.Close();
}

void TfrDBDataSet::First()
{
    db::TCustomADODataSet& source = Source();
    // A dataset left closed (OpenDataSource off) reads as one without rows.
    if (source.Active()) {
        if (RangeBegin == TfrRangeBegin::rbCurrent && m_bookmark)
            source.GotoBookmark(*m_bookmark);
        else
            source.First();
    }
    m_reachedBookmark = false;
    TfrDataset::First();
}

void TfrDBDataSet::Next()
{
    db::TCustomADODataSet& source = Source();
    m_reachedBookmark = false;
    if (RangeEnd == TfrRangeEnd::reCurrent && m_bookmark && source.Active() && source.GetBookmark() == *m_bookmark)
        m_reachedBookmark = true;
    else if (source.Active())
        source.Next();
    TfrDataset::Next();
}

void TfrDBDataSet::Prior()
{
    // At the pinned end the cursor never moved past the record.
    if (!m_reachedBookmark && Source().Active())
        Source().Prior();
    m_reachedBookmark = false;
    TfrDataset::Prior();
}

bool TfrDBDataSet::Eof()
{
    db::TCustomADODataSet& source = Source();
    return TfrDataset::Eof() || !source.Active() || source.Eof() || m_reachedBookmark;
}

const TfrDataField* TfrDBDataSet::FindField(const std::string& name)
{
    if (!DataSet || !DataSet->Active() || !DataSet->FindField(name))
        return nullptr;
    auto& field = m_fields[name];
    if (!field)
        field = std::make_unique<Field>(*this, name);
    return field.get();
}

} // namespace report

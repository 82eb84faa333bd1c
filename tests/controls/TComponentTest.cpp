#include "platform/controls/TComponent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ctl;

namespace {

// Records its own destruction and holds a reference to another component that
// it must let go of when that one is freed.
class Probe : public TComponent {
public:
    Probe(TComponent* owner, std::vector<std::string>* log, std::string name) : TComponent(owner), m_log(log)
    {
        SetName(name);
    }
    ~Probe() override { m_log->push_back("free " + Name()); }

    void SetPartner(TComponent* partner)
    {
        Partner = partner;
        if (partner)
            partner->FreeNotification(this);
    }

    TComponent* Partner { nullptr };
    bool LoadedSeen { false };
    bool PartnerAtLoaded { false };
    TComponent* PartnerName { nullptr };

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        if (Operation == TOperation::opRemove && AComponent == Partner)
            Partner = nullptr;
        TComponent::Notification(AComponent, Operation);
    }
    void Loaded() override
    {
        LoadedSeen = true;
        // References by name resolve once every component of the owner exists.
        PartnerName = Owner() ? Owner()->FindComponent("Later") : nullptr;
        m_log->push_back("loaded " + Name());
    }

private:
    std::vector<std::string>* m_log;
};

} // namespace

TEST(TComponentOwnership, OwnerFreesItsComponentsNewestFirst)
{
    std::vector<std::string> log;
    auto* form = new Probe(nullptr, &log, "Form");
    new Probe(form, &log, "A");
    new Probe(form, &log, "B");
    EXPECT_EQ(form->ComponentCount(), 2);
    delete form;
    EXPECT_EQ(log, (std::vector<std::string> { "free Form", "free B", "free A" }));
}

TEST(TComponentOwnership, DeletingAnOwnedComponentLeavesTheOwner)
{
    std::vector<std::string> log;
    Probe form(nullptr, &log, "Form");
    auto* a = new Probe(&form, &log, "A");
    new Probe(&form, &log, "B");
    delete a;
    ASSERT_EQ(form.ComponentCount(), 1);
    EXPECT_EQ(form.Components(0)->Name(), "B");
    EXPECT_EQ(form.FindComponent("a"), nullptr);
}

TEST(TComponentOwnership, NamesAreUniqueWithinAnOwnerIgnoringCase)
{
    std::vector<std::string> log;
    Probe form(nullptr, &log, "Form");
    auto* a = new Probe(&form, &log, "Button1");
    auto* b = new Probe(&form, &log, "Button2");
    EXPECT_THROW(b->SetName("BUTTON1"), EComponentError);
    EXPECT_EQ(b->Name(), "Button2");
    EXPECT_EQ(form.FindComponent("button1"), a);
    EXPECT_THROW(form.Components(5), EListError);
}

TEST(TComponentNotification, ReferenceToASiblingIsClearedWhenItIsFreed)
{
    std::vector<std::string> log;
    Probe form(nullptr, &log, "Form");
    auto* data = new Probe(&form, &log, "SkinData");
    auto* control = new Probe(&form, &log, "Button");
    control->Partner = data; // no explicit request: the owner tells its components
    delete data;
    EXPECT_EQ(control->Partner, nullptr);
}

TEST(TComponentNotification, ReferenceAcrossOwnersIsClearedThroughFreeNotification)
{
    std::vector<std::string> log;
    auto* dataModule = new Probe(nullptr, &log, "Data");
    auto* query = new Probe(dataModule, &log, "Query");
    Probe form(nullptr, &log, "Form");
    auto* link = new Probe(&form, &log, "Link");
    link->SetPartner(query);
    delete dataModule; // frees the query with it
    EXPECT_EQ(link->Partner, nullptr);
}

TEST(TComponentNotification, TheReferringComponentMayGoFirst)
{
    std::vector<std::string> log;
    auto* data = new Probe(nullptr, &log, "Data");
    auto* link = new Probe(nullptr, &log, "Link");
    link->SetPartner(data);
    delete link; // data must forget the link, or freeing data touches freed memory
    Probe other(nullptr, &log, "Other");
    other.SetPartner(data);
    delete data;
    EXPECT_EQ(other.Partner, nullptr);
}

TEST(TComponentLoading, LoadedRunsAfterAllComponentsExist)
{
    std::vector<std::string> log;
    Probe form(nullptr, &log, "Form");
    form.BeginLoading();
    auto* early = new Probe(&form, &log, "Early");
    EXPECT_TRUE(early->Loading());
    EXPECT_EQ(early->PartnerName, nullptr);
    auto* later = new Probe(&form, &log, "Later");
    form.EndLoading();
    EXPECT_FALSE(early->Loading());
    EXPECT_TRUE(early->LoadedSeen);
    EXPECT_EQ(early->PartnerName, later);
    EXPECT_EQ(log, (std::vector<std::string> { "loaded Early", "loaded Later", "loaded Form" }));
}

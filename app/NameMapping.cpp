#include "app/NameMapping.h"

#include <algorithm>
#include <map>
#include <vector>

#include "app/MainModel.h"
#include "app/RemoveAll.h"
#include "app/Resolvers.h"
#include "core/Exceptions.h"

using namespace Quorvane;

namespace {

typedef boost::shared_ptr<Mapping> RulePtr;

RulePtr NewRule(const std::wstring& source)
{
    RulePtr rule(new Mapping());
    rule->SetSource(source);
    rule->SetFlag(true);
    rule->SetState(Mapping::NotMapped);
    return rule;
}

void AddRuleIfMissing(MappingCollection& rules, const std::wstring& source)
{
    if (!rules.Contains(source))
        rules.Add(NewRule(source));
}

// A user whose file never had a payroll rule has none to reset.
void ResetPayrollRule(MappingCollection& payrollRules, const std::wstring& source)
{
    try {
        payrollRules.GetBySource(source)->SetTarget(std::wstring(), Mapping::NotMapped);
    } catch (const NotFoundException&) {
    }
}

// The employees that valid mapped rules hold, wherever those rules stand in the list: an automatic
// mapping must never give one QuickBooks employee to a second server user.
std::set<std::wstring> HeldEmployees(const MappingCollection& rules, const EmployeeCollection& quickBooksEmployees)
{
    std::set<std::wstring> held;
    for (const RulePtr& rule : rules) {
        if (rule->GetState() == Mapping::Mapped && quickBooksEmployees.ContainsId(rule->GetTarget()))
            held.insert(rule->GetTarget());
    }
    return held;
}

void MapByName(Mapping& rule, const EmployeeCollection& serverUsers, const EmployeeCollection& quickBooksEmployees,
               std::set<std::wstring>& used)
{
    if (!serverUsers.ContainsId(rule.GetSource()))
        return;
    boost::shared_ptr<Employee> user = serverUsers.FindById(rule.GetSource());
    EmployeeCollection::const_iterator match =
        std::find_if(quickBooksEmployees.begin(), quickBooksEmployees.end(), EmployeeNameMatcher(*user, used));
    if (match == quickBooksEmployees.end())
        return;
    rule.SetTarget((*match)->GetId(), Mapping::Mapped);
    used.insert((*match)->GetId());
}

// A damaged settings file can hold several rules for one source. One stays where the first
// stood: the first that is decided (any state but "please select"), else the first.
void MergeDuplicateRules(MappingCollection& rules)
{
    std::map<std::wstring, size_t> positions;
    std::vector<RulePtr> merged;
    for (const RulePtr& rule : rules) {
        std::map<std::wstring, size_t>::const_iterator known = positions.find(rule->GetSource());
        if (known == positions.end()) {
            positions[rule->GetSource()] = merged.size();
            merged.push_back(rule);
        } else if (merged[known->second]->GetState() == Mapping::NotMapped && rule->GetState() != Mapping::NotMapped) {
            merged[known->second] = rule;
        }
    }
    if (merged.size() == rules.Count())
        return;
    RemoveAll(rules);
    for (const RulePtr& rule : merged)
        rules.Add(rule);
}

}  // namespace

bool IsUnmappedRule(const Mapping& rule)
{
    return !rule.GetSource().empty() && rule.GetTarget().empty();
}

bool EmployeeNameMatcher::operator()(const boost::shared_ptr<Employee>& candidate) const
{
    return m_used.count(candidate->GetId()) == 0 && HasSameNames(*candidate, m_serverUser);
}

void UpdateMappings(const boost::shared_ptr<MainModel>& model)
{
    boost::shared_ptr<Config> config = model->GetConfig();
    MergeDuplicateRules(*config->GetEmployeeMappings());
    MergeDuplicateRules(*config->GetLeaveTypeMappings());
    MergeDuplicateRules(*config->GetPayrollTypeMappings());
    boost::shared_ptr<AccountCollection> accounts = model->GetAccounts();
    if (!accounts || !accounts->ContainsId(config->GetServiceItemAccount()))
        config->SetServiceItemAccount(std::wstring());
    AddMissingUserMappings(model);
    UpdateLeaveTypeMappings(model);
    UpdateEmployeeMappings(model);
    UpdatePayrollMappingStates(model);
}

void AddMissingUserMappings(const boost::shared_ptr<MainModel>& model)
{
    boost::shared_ptr<Config> config = model->GetConfig();
    for (const boost::shared_ptr<Employee>& user : *model->GetServerEmployees()) {
        AddRuleIfMissing(*config->GetEmployeeMappings(), user->GetId());
        AddRuleIfMissing(*config->GetPayrollTypeMappings(), user->GetId());
    }
}

void UpdateLeaveTypeMappings(const boost::shared_ptr<MainModel>& model)
{
    boost::shared_ptr<Config> config = model->GetConfig();
    boost::shared_ptr<MappingCollection> rules = config->GetLeaveTypeMappings();
    if (!rules)
        rules.reset(new MappingCollection());
    boost::shared_ptr<PayRollCollection> leaveTypes = model->GetLeaveTypes();
    boost::shared_ptr<PayRollCollection> payrollItems = model->GetPayrollItems();
    if (leaveTypes) {
        for (const boost::shared_ptr<PayRoll>& leaveType : *leaveTypes) {
            const std::wstring id = leaveType->GetListId();
            if (!rules->Contains(id)) {
                rules->Add(NewRule(id));
                continue;
            }
            RulePtr rule = rules->GetBySource(id);
            if (rule->GetState() == Mapping::Mapped &&
                !(payrollItems && payrollItems->ContainsListId(rule->GetTarget())))
                rule->SetTarget(std::wstring(), Mapping::NotMapped);
        }
    }
    config->SetLeaveTypeMappings(rules);
}

void UpdateEmployeeMappings(const boost::shared_ptr<MainModel>& model)
{
    boost::shared_ptr<Config> config = model->GetConfig();
    boost::shared_ptr<EmployeeCollection> serverUsers = model->GetServerEmployees();
    boost::shared_ptr<EmployeeCollection> quickBooksEmployees = model->GetQuickBooksEmployees();
    boost::shared_ptr<MappingCollection> rules = config->GetEmployeeMappings();
    std::set<std::wstring> used = HeldEmployees(*rules, *quickBooksEmployees);
    for (const RulePtr& rule : *rules) {
        const bool unset = IsUnmappedRule(*rule) && rule->GetState() == Mapping::NotMapped;
        if (!unset) {
            if (rule->GetState() != Mapping::Mapped || quickBooksEmployees->ContainsId(rule->GetTarget())) {
                used.insert(rule->GetTarget());
                continue;
            }
            // The employee was deleted in QuickBooks: the user's working-time rule went with it.
            rule->SetTarget(std::wstring(), Mapping::NotMapped);
            ResetPayrollRule(*config->GetPayrollTypeMappings(), rule->GetSource());
        }
        MapByName(*rule, *serverUsers, *quickBooksEmployees, used);
    }
}

void UpdatePayrollMappingStates(const boost::shared_ptr<MainModel>& model)
{
    boost::shared_ptr<Config> config = model->GetConfig();
    boost::shared_ptr<PayRollCollection> payrollItems = model->GetPayrollItems();
    const bool payrollItemsExist = payrollItems && payrollItems->Count() != 0;
    for (const boost::shared_ptr<Employee>& user : *model->GetServerEmployees()) {
        try {
            RulePtr rule = config->GetPayrollTypeMappings()->GetBySource(user->GetId());
            if (rule->GetState() == Mapping::NoPayrollItemRequired && payrollItemsExist &&
                FindQuickBooksEmployee(*model, user->GetId(), config.get())->GetUsesTimeData())
                rule->SetState(Mapping::NotMapped);
        } catch (const NotFoundException&) {
        }
    }
}

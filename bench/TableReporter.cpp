#include "TableReporter.h"

bool TableReporter::ReportContext(const Context&) {
    return true;
}

void TableReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        std::string name = run.run_name.function_name;
        if (!run.run_name.args.empty())
            name += "/" + run.run_name.args;
        if (run.error_occurred)
            m_errors.push_back(name + ": " + run.error_message);
        else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
            m_medianNs[name] =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
    }
}

std::optional<double> TableReporter::MedianNs(const std::string& name) const {
    const auto found = m_medianNs.find(name);
    if (found == m_medianNs.end())
        return std::nullopt;
    return found->second;
}

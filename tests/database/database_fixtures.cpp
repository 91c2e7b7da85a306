#include "database_fixtures.h"

namespace gamereg::test {

Text FixtureScript(int r) {
    Text script;
    while (script.size() < 1200) script += "第" + std::to_string(r) + "行;";
    script.resize(1200);
    return script;
}

DatabaseDefinition FixtureDefinition(const Text& password, int records) {
    DatabaseDefinition definition;
    definition.password = password;
    definition.fields = {{"名称", 10, 16}, {"脚本", 12}, {"数据", 11}, {"数", 3}};
    for (int r = 0; r < records; ++r) {
        definition.records.push_back(
            {0,
             {Text("记录" + std::to_string(r)), FixtureScript(r),
              Bytes{0x00, 0x01, static_cast<std::uint8_t>(r)}, std::int32_t{1000 + r}}});
    }
    return definition;
}

}  // namespace gamereg::test

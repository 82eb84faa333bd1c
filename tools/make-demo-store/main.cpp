// make-demo-store <path>: writes a new note store with a handful of categories
// and a few dozen notes, for trying the program out. Among them: a note filed
// under a category the list does not hold (it shows in no branch of the tree
// but is counted and found by search), and two notes sharing one title.

#include "app/TData.h"
#include "platform/data/EDatabaseError.h"
#include "platform/time/IsoDateTimeText.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct DemoNote {
    const char* category;
    const char* date;
    const char* title;
    const char* body;
};

const std::vector<const char*> Categories = { "工作", "学习", "生活", "读书", "旅行", "灵感" };

// Bodies and titles break lines with CR LF, as the note editors do.
const std::vector<DemoNote> Notes = {
    { "工作", "2024-03-04 09:12:30", "周一例会纪要",
        "参会：产品、研发、测试\r\n1. 上周版本已按时发布\r\n2. 本周重点：修复登录页面的显示问题\r\n3. 周五前提交季度计划" },
    { "工作", "2024-03-06 14:20:05", "季度计划草稿",
        "目标：\r\n- 用户数增长 20%\r\n- 平均响应时间降到 200ms 以下\r\n- 完成数据迁移\r\n\r\n风险：人手紧张，需要提前协调。" },
    { "工作", "2024-03-11 10:02:44", "客户拜访记录",
        "拜访了华东区的两家客户。\r\n对方希望增加导出 Excel 的功能，\r\n并询问能否提供离线版本。下周回复。" },
    { "工作", "2024-03-18 16:45:00", "待办事项",
        "□ 整理会议纪要\r\n□ 回复客户邮件\r\n■ 提交报销单\r\n□ 预订下周出差的火车票" },
    { "工作", "2024-04-01 08:58:19", "项目周报 第14周",
        "本周完成：接口联调、性能测试。\r\n下周计划：灰度发布，收集反馈。\r\n问题：测试环境不稳定，已报给运维。" },
    { "工作", "2024-04-08 11:30:00", "面试笔记",
        "候选人：张先生，五年后端经验。\r\n优点：思路清晰，熟悉 SQL 优化。\r\n不足：前端经验较少。\r\n建议：进入第二轮。" },
    { "学习", "2024-02-20 20:15:10", "英语单词 第一周",
        "persistent 持久的\r\nschedule 日程\r\nefficient 高效的\r\nconcise 简洁的\r\nreliable 可靠的" },
    { "学习", "2024-02-27 21:40:00", "SQL 常用语句",
        "select * from 表 where 条件\r\nupdate 表 set 列 = 值 where 条件\r\ndelete from 表 where 条件\r\n"
        "注意：like 中的 % 表示任意多个字符，_ 表示一个字符。" },
    { "学习", "2024-03-09 19:05:33", "C++ 学习心得",
        "RAII：资源的获取就是初始化，离开作用域自动释放。\r\n智能指针：unique_ptr 独占，shared_ptr 共享。\r\n多写小函数，少写注释里的废话。" },
    { "学习", "2024-03-23 22:10:00", "书法练习",
        "今天临了《兰亭序》前三行。\r\n“永和九年，岁在癸丑”\r\n横画还是不够平稳，明天继续。" },
    { "学习", "2024-04-05 20:00:00", "英语单词 第二周",
        "abundant 丰富的\r\nderive 获得\r\nmaintain 维持\r\nsubtle 微妙的" },
    { "生活", "2024-01-14 10:20:00", "购物清单",
        "牛奶 两盒\r\n鸡蛋 一打\r\n青菜、豆腐\r\n洗衣液\r\n给妈妈买一条围巾" },
    { "生活", "2024-01-28 18:30:12", "红烧肉做法",
        "五花肉切块，冷水下锅焯水。\r\n锅里放少许油和冰糖，小火炒出糖色。\r\n放入肉块翻炒上色，加葱姜、料酒、生抽、老抽。\r\n"
        "加开水没过肉，小火炖一个小时，大火收汁。" },
    { "生活", "2024-02-10 00:05:00", "除夕",
        "一家人包饺子，看春晚。\r\n零点的时候窗外烟花很漂亮。\r\n新年愿望：身体健康，多读书。" },
    { "生活", "2024-03-02 07:45:00", "晨跑记录",
        "3 月 2 日 5.2 公里 31 分钟\r\n3 月 4 日 5.0 公里 30 分钟\r\n3 月 6 日 6.1 公里 37 分钟\r\n坚持就是胜利！" },
    { "生活", "2024-03-15 12:00:00", "家里的电话号码",
        "物业：0571-8888 6666\r\n燃气报修：96777\r\n楼下快递点：周一至周日 9:00-21:00" },
    { "生活", "2024-04-12 09:00:00", "购物清单",
        "大米 一袋\r\n食用油\r\n水果：苹果、香蕉\r\n电池 5 号 四节" },
    { "读书", "2024-01-05 21:00:00", "《围城》读后感",
        "“城外的人想冲进去，城里的人想逃出来。”\r\n钱钟书的文字幽默又尖刻，方鸿渐的经历让人哭笑不得。" },
    { "读书", "2024-02-02 22:30:00", "《活着》摘抄",
        "人是为活着本身而活着，而不是为了活着之外的任何事物所活着。" },
    { "读书", "2024-03-20 23:10:45", "《人类简史》笔记",
        "认知革命、农业革命、科学革命。\r\n虚构的故事让大规模合作成为可能。\r\n农业革命是“史上最大的骗局”？值得再想想。" },
    { "读书", "2024-04-10 21:15:00", "想读的书",
        "1.《百年孤独》\r\n2.《三体》第二部\r\n3.《红楼梦》重读\r\n4.《Clean Code》" },
    { "旅行", "2024-01-20 15:00:00", "杭州一日游",
        "早上：西湖边散步，断桥、白堤。\r\n中午：楼外楼，西湖醋鱼和龙井虾仁。\r\n下午：灵隐寺。\r\n晚上：河坊街逛夜市。" },
    { "旅行", "2024-02-14 09:30:00", "出行准备清单",
        "身份证、充电器、雨伞\r\n常用药品\r\n换洗衣物三套\r\n提前下载离线地图" },
    { "旅行", "2024-03-30 17:20:00", "云南旅行计划",
        "第一天：昆明，滇池看海鸥\r\n第二天：大理古城，洱海骑行\r\n第三天：丽江，玉龙雪山\r\n预算：每人约 4000 元" },
    { "灵感", "2024-02-25 01:12:00", "一个小程序的想法",
        "做一个记账小工具：\r\n拍照识别小票，自动分类。\r\n每月生成一张消费图表。" },
    { "灵感", "2024-03-27 13:14:00", "周末可以做的事",
        "去图书馆\r\n学做一道新菜\r\n给老朋友打个电话\r\n整理照片" },
    { "灵感", "2024-04-02 08:08:08", "随想",
        "慢慢来，比较快。" },
    // Filed under a category that the list does not hold.
    { "旧项目", "2023-11-11 11:11:11", "旧项目的交接说明",
        "代码仓库已归档。\r\n数据库备份在共享盘的“备份”文件夹。\r\n如有问题联系老王。" },
    { "工作", "2024-04-15 09:40:00", "多行标题示例\r\n（第二行）",
        "这条笔记的标题有两行，用来试试标题的换行。" },
};

int MakeStore(const char* path)
{
    app::TData::CreateStore(path);
    app::TData data(app::TData::ConnectionStringFor(path));
    db::Transaction transaction(data.ADOConnection1);
    for (const char* name : Categories) {
        data.LB.Insert();
        data.LB.FieldByName("类别").SetAsString(name);
        data.LB.Post();
    }
    for (const DemoNote& note : Notes) {
        data.BZ.Insert();
        data.BZ.FieldByName("类别").SetAsString(note.category);
        data.BZ.FieldByName("日期").SetAsDateTime(*dt::IsoTextToDateTime(note.date));
        data.BZ.FieldByName("标题").SetAsString(note.title);
        data.BZ.FieldByName("内容").SetAsString(note.body);
        data.BZ.Post();
    }
    transaction.Commit();
    std::printf("%s: %zu categories, %d notes\n", path, Categories.size(), data.NoteCount());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-demo-store <path of the new Veltrin.mdb>\n");
        return 2;
    }
    try {
        return MakeStore(argv[1]);
    } catch (const db::EDatabaseError& error) {
        std::fprintf(stderr, "make-demo-store: %s\n", error.what());
        return 1;
    }
}

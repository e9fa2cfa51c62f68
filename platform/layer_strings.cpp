// The framework's messages. Compiled with -fexec-charset=GB18030, so each
// literal is the narrow code page's bytes.
#include "platform/layer_strings.h"

namespace platform {
namespace {

constexpr StringResource kLayerStrings[] = {
    {61446, "一未命名文件"},
    {61475, "内存不足。"},
    // The file exceptions' messages: 61856 plus the cause.
    {61857, "在对 %1 进行访问时发生了一个不明错误。"},
    {61858, "没有找到 %1。"},
    {61859, "%1 中包含无效的路径。"},
    {61860, "无法打开 %1 因为太多文件已被打开。"},
    {61861, "对 %1 的存取被拒绝。"},
    {61862, "一个无效的文件柄与 %1 相关联。"},
    {61863, "无法删除 %1 因为它是当前目录。"},
    {61864, "该目录已满，无法创建 %1。"},
    {61865, "对 %1 进行查找失败。"},
    {61866, "在存取 %1 时一个硬件输入/输出错误被报告。"},
    {61867, "在存取 %1 时发生共享违例。"},
    {61868, "在存取 %1 时发生锁违例。"},
    {61869, "在存取 %1 时磁盘已满。"},
    {61870, "试图越过其尾端对 %1 进行读写。"},
};

}  // namespace

std::span<const StringResource> LayerStrings() { return kLayerStrings; }

}  // namespace platform

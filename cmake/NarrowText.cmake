# Sources whose string literals are the program's narrow texts: compile them
# so that "文件夹" becomes the narrow code page's bytes (GB18030, a superset
# of GBK byte for byte). Never use it on code that hands literals to Qt.
function(zembrik_narrow_text target)
  target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=GB18030)
endfunction()

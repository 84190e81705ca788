-- The built-in administrator: every right, password "admin".
INSERT INTO tb_enter VALUES (1, '管理员', '管理员', 'admin',
  '1','1','1','1','1','1','1','1','1','1','1','1','1','1','1','1','1','1','1','1','1','1','1','1','1',
  '0');

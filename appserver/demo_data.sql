-- Demo data of the proposal-request application server. Registration
-- numbers are valid CPF (persons, 'F') and CNPJ (companies, 'J') numbers;
-- customer and prospect codes are their registration numbers.

INSERT INTO FILIAL (CDFILIAL, NMFILIAL) VALUES
  ('0001', 'Matriz São Paulo'),
  ('0002', 'Filial Campinas');

INSERT INTO OPERADOR (CDOPERADOR, NMOPERADOR, IDOPERATIVO, CDFILIAL) VALUES
  ('ADMIN',        'Administrador',          'A', '0001'),
  ('000000000001', 'Ana Paula Ribeiro',      'A', '0001'),
  ('000000000002', 'Carlos Eduardo Mendes',  'A', '0001'),
  ('000000000003', 'Fernanda Lima Souza',    'A', '0002'),
  ('000000000004', 'João Batista Ferreira',  'I', '0001'),
  ('000000000005', 'Mariana Costa Oliveira', 'A', '0002');

INSERT INTO CLIENTE (CDCLIENTE, NRINSJURCLIE, NMFANTCLIE, NMRAZSOCCLIE, IDTPIJURCLIE, DSEMAICLIE) VALUES
  ('11222333000181', '11222333000181', 'Metalúrgica Horizonte',   'Metalúrgica Horizonte Ltda.',  'J', 'ti@horizonte.com.br'),
  ('44555666000181', '44555666000181', 'Supermercados Bom Preço', 'Comercial Bom Preço S.A.',     'J', 'compras@bompreco.com.br'),
  ('77888999000181', '77888999000181', 'Transportadora Rota Sul', 'Rota Sul Transportes Ltda.',   'J', 'financeiro@rotasul.com.br'),
  ('12345678909',    '12345678909',    'Dr. Ricardo Nogueira',    'Ricardo Nogueira',             'F', 'ricardo.nogueira@email.com.br'),
  ('98765432100',    '98765432100',    'Luciana Martins',         'Luciana Martins',              'F', 'luciana.martins@email.com.br');

-- 44555666000181 is also a customer: the prospect of another trade name of
-- the same company.
INSERT INTO PROSPECT (CDPROSPECT, NRINSJURPROS, NMFANTPROS, NMRAZSOCPROS, IDTPIJURPROS) VALUES
  ('22334455000186', '22334455000186', 'Construtora Vale Verde', 'Construtora Vale Verde Ltda.',  'J'),
  ('55667788000186', '55667788000186', 'Farmácia Saúde Total',   'Saúde Total Drogarias Ltda.',   'J'),
  ('45612378955',    '45612378955',    'Paulo Henrique Dias',    'Paulo Henrique Dias',           'F'),
  ('44555666000181', '44555666000181', 'Bom Preço Atacado',      'Comercial Bom Preço S.A.',      'J');

INSERT INTO CONTATO (CDFILIAL, NRCONTATO, DDSREFECONT, IDTPCONTATO, CDCLIENTE, CDPROSPECT, CDSITUACAO) VALUES
  ('0001', '0000000001', 'Roberto Almeida - Diretor de TI',            'C', '11222333000181', NULL, 'ATIVO'),
  ('0001', '0000000002', 'Sônia Carvalho - Compras',                   'C', '11222333000181', NULL, 'ATIVO'),
  ('0001', '0000000003', 'Marcelo Teixeira - Gerente Administrativo',  'C', '44555666000181', NULL, 'ATIVO'),
  ('0001', '0000000004', 'Ricardo Nogueira',                           'C', '12345678909',    NULL, 'ATIVO'),
  ('0001', '0000000005', 'Juliana Prado - Engenharia',                 'P', NULL, '22334455000186', 'ATIVO'),
  ('0001', '0000000006', 'Antônio Bezerra - Sócio',                    'P', NULL, '44555666000181', 'ATIVO'),
  ('0002', '0000000001', 'Patrícia Gomes - Financeiro',                'C', '77888999000181', NULL, 'ATIVO'),
  ('0002', '0000000002', 'Luciana Martins',                            'C', '98765432100',    NULL, 'ATIVO'),
  ('0002', '0000000003', 'Eduardo Rocha - Farmacêutico Responsável',   'P', NULL, '55667788000186', 'ATIVO'),
  ('0002', '0000000004', 'Paulo Henrique Dias',                        'P', NULL, '45612378955',    'ATIVO');

INSERT INTO PRODCOMERCIAL (CDPROCOMERCI, NMPROCOMERCI) VALUES
  ('ERP',    'Gestão Empresarial ERP'),
  ('FOLHA',  'Folha de Pagamento'),
  ('CONTAB', 'Contabilidade e Fiscal'),
  ('VAREJO', 'Automação Comercial Varejo'),
  ('PONTO',  'Ponto Eletrônico');

INSERT INTO SISTEMA (CDSISTEMA, NMSISTEMA) VALUES
  ('CTB', 'Contabilidade'),
  ('EST', 'Estoque'),
  ('FAT', 'Faturamento'),
  ('FIN', 'Financeiro'),
  ('FIS', 'Escrita Fiscal'),
  ('FOL', 'Folha de Pagamento'),
  ('PDV', 'Frente de Caixa'),
  ('PON', 'Ponto Eletrônico'),
  ('RH',  'Recursos Humanos');

INSERT INTO TIPOSERV (CDTIPOSERV, NMTIPOSERV, VRHORATPSERV) VALUES
  ('CON', 'Consultoria',                180),
  ('DES', 'Desenvolvimento sob Medida', 200),
  ('IMP', 'Implantação',                150),
  ('MIG', 'Migração de Dados',          160),
  ('SUP', 'Suporte Técnico',            100),
  ('TRE', 'Treinamento',                120);

INSERT INTO TEXTOPADRAO (CDPADTXT, TXPADTXT) VALUES
  ('CONFIDENCIAL', 'As informações desta proposta são confidenciais e destinam-se exclusivamente ao cliente.'),
  ('GARANTIA',     'Os sistemas têm garantia de 90 dias contra defeitos, contados da data de implantação.'),
  ('PAGAMENTO',    'A licença de uso é paga nas datas de vencimento indicadas; as mensalidades vencem no dia de faturamento escolhido.'),
  ('REAJUSTE',     'Os valores mensais são reajustados anualmente pelo IPCA.'),
  ('VALIDADE',     'Esta proposta é válida por 30 dias a partir da data de emissão.');

-- Product lines the customers already hold under contract.
INSERT INTO LINPCLIENTE (CDCLIENTE, CDLINPCLIE, NMLINPCLIE, CDPROCOMERCI, IDAMBLINPP, IDTIPLINPP, IDTPPGTLINPP,
                         NRUSUALINPP, NRACESLINPP, QTLINPCLIE, VRLUSOCLIE, VRMENSCLIE, DIFAMENLINPP,
                         IDMPROCLINPP, IDLPROCLINPP) VALUES
  ('11222333000181', '900', 'ERP Horizonte - Matriz',       'ERP',    'WIN', 'M', 'F', 25, 3,  25, 1200, 180, 10, 'M', 'M'),
  ('11222333000181', '901', 'Folha Horizonte',              'FOLHA',  'WEB', 'M', 'A', 10, 1,  10, 800,  90,  10, 'M', 'F'),
  ('44555666000181', '910', 'Varejo Bom Preço Lojas',       'VAREJO', 'WIN', 'L', 'F', 40, 12, 40, 500,  60,  5,  'F', 'F'),
  ('12345678909',    '920', 'Contabilidade do Consultório', 'CONTAB', 'WEB', 'M', 'A', 1,  1,  1,  900,  70,  15, 'M', 'M');

INSERT INTO SISTLINPCLIE (CDCLIENTE, CDLINPCLIE, CDSISTEMA) VALUES
  ('11222333000181', '900', 'FIN'), ('11222333000181', '900', 'CTB'), ('11222333000181', '900', 'EST'),
  ('11222333000181', '900', 'FAT'), ('11222333000181', '901', 'FOL'), ('11222333000181', '901', 'RH'),
  ('44555666000181', '910', 'PDV'), ('44555666000181', '910', 'EST'), ('44555666000181', '910', 'FAT'),
  ('12345678909',    '920', 'CTB'), ('12345678909',    '920', 'FIS');

-- Proposals ---------------------------------------------------------------
-- 1001/1  accepted, full contract and order, texts     (branch 0001, company)
-- 1001/2  revised version, contract only               (branch 0001, company)
-- 1002/1  request of a person customer                 (branch 0001)
-- 1003/1  proposal to a prospect, with an order        (branch 0001)
-- 1004/1  request of the prospect that is a customer   (branch 0001)
-- 1005/1  proposal with an order ready for acceptance  (branch 0002)
-- 1006/1  new request without details                  (branch 0002, person)
-- 1007/1  expired proposal to a prospect               (branch 0002)

INSERT INTO PROPOSTAFAS (NRPROPOSFAS, NRVERPROPFAS, CDFILIAL, DTPROPOSFAS, DTVALPROPFAS, DTACEPROPFAS, IDCLIENPROSP,
                         CDCLIENTE, CDPROSPECT, NRCONTATO, IDTPCONTATO, CDOPERINCL, CDOPERSOLI, DSEMAIPROFAS,
                         NRFAXPROPFAS, DSOBSPROPFAS, IDSOLPROPFAS) VALUES
  ('1001', '1', '0001', '2024-09-02T00:00:00', '2024-10-02T00:00:00', '2024-09-20T00:00:00', 'C',
   '11222333000181', NULL, '0000000001', 'C', '000000000001', '000000000002', 'ti@horizonte.com.br',
   '1132450000', 'Expansão do ERP para a filial Norte.', 'N'),
  ('1001', '2', '0001', '2024-11-05T00:00:00', '2024-12-05T00:00:00', NULL, 'C',
   '11222333000181', NULL, '0000000001', 'C', '000000000001', '000000000002', 'ti@horizonte.com.br',
   '1132450000', 'Revisão: mais cinco licenças na filial Norte.', 'N'),
  ('1002', '1', '0001', '2025-01-15T00:00:00', '2025-02-14T00:00:00', NULL, 'C',
   '12345678909', NULL, '0000000004', 'C', '000000000002', '000000000002', 'ricardo.nogueira@email.com.br',
   NULL, 'Cliente pediu contabilidade na nuvem.', 'S'),
  ('1003', '1', '0001', '2025-02-03T00:00:00', '2025-03-05T00:00:00', NULL, 'P',
   NULL, '22334455000186', '0000000005', 'P', '000000000001', '000000000001', 'juliana.prado@valeverde.com.br',
   '1140028922', 'Primeira proposta para a construtora.', 'N'),
  ('1004', '1', '0001', '2025-02-20T00:00:00', '2025-03-22T00:00:00', NULL, 'P',
   NULL, '44555666000181', '0000000006', 'P', '000000000002', '000000000001', NULL,
   NULL, 'Atacado do mesmo grupo do Bom Preço.', 'S'),
  ('1005', '1', '0002', '2025-03-03T00:00:00', '2025-04-02T00:00:00', NULL, 'C',
   '77888999000181', NULL, '0000000001', 'C', '000000000003', '000000000005', 'financeiro@rotasul.com.br',
   '1932104455', 'Gestão de frota com faturamento integrado.', 'N'),
  ('1006', '1', '0002', '2025-03-18T00:00:00', '2025-04-17T00:00:00', NULL, 'C',
   '98765432100', NULL, '0000000002', 'C', '000000000005', '000000000005', 'luciana.martins@email.com.br',
   NULL, NULL, 'S'),
  ('1007', '1', '0002', '2024-12-01T00:00:00', '2024-12-31T00:00:00', NULL, 'P',
   NULL, '55667788000186', '0000000003', 'P', '000000000003', '000000000003', NULL,
   NULL, 'Proposta vencida sem retorno do cliente.', 'N');

INSERT INTO PROPOSTALINP (NRPROPOSFAS, NRVERPROPFAS, CDLINPPROP, NMLINPPROP, CDPROCOMERCI, NMPROCOMERCI, NRUSUALINPP,
                          NRACESLINPP, IDTIPLINPP, IDAMBLINPP, IDTPPGTLINPP, QTLINPPROP, VRLUSOPROP, VRMENSPROP,
                          DIFAMENLINPP, IDMPROCLINPP, IDLPROCLINPP) VALUES
  ('1001', '1', '10', 'ERP Horizonte - Filial Norte', 'ERP',    'Gestão Empresarial ERP',     15, 2, 'M', 'WIN', 'F', 15, 1100, 170, 10, 'F', 'M'),
  ('1001', '1', '11', 'Contabilidade Horizonte',      'CONTAB', 'Contabilidade e Fiscal',      5, 1, 'M', 'WEB', 'A', 5,  700,  85,  10, 'M', 'M'),
  ('1001', '2', '10', 'ERP Horizonte - Filial Norte', 'ERP',    'Gestão Empresarial ERP',     20, 2, 'M', 'WIN', 'F', 20, 1100, 170, 10, 'F', 'M'),
  ('1002', '1', '20', 'Contabilidade em Nuvem',       'CONTAB', 'Contabilidade e Fiscal',      1, 1, 'L', 'WEB', 'A', 1,  600,  120, 5,  'M', 'M'),
  ('1003', '1', '30', 'ERP Obras',                    'ERP',    'Gestão Empresarial ERP',      8, 2, 'M', 'WIN', 'F', 8,  950,  140, 20, 'M', 'M'),
  ('1003', '1', '31', 'Folha Obras',                  'FOLHA',  'Folha de Pagamento',          3, 1, 'L', 'WEB', 'A', 3,  400,  60,  20, 'M', 'F'),
  ('1005', '1', '50', 'Gestão de Frota Rota Sul',     'ERP',    'Gestão Empresarial ERP',     30, 6, 'M', 'WIN', 'F', 30, 1000, 150, 15, 'F', 'F'),
  ('1007', '1', '70', 'Varejo Saúde Total',           'VAREJO', 'Automação Comercial Varejo', 12, 4, 'L', 'DOS', 'A', 12, 450,  55,  10, 'F', 'M');

INSERT INTO SISTPROPLINP (NRPROPOSFAS, NRVERPROPFAS, CDLINPPROP, CDSISTEMA) VALUES
  ('1001', '1', '10', 'FIN'), ('1001', '1', '10', 'EST'), ('1001', '1', '10', 'FAT'),
  ('1001', '1', '11', 'CTB'), ('1001', '1', '11', 'FIS'),
  ('1001', '2', '10', 'FIN'), ('1001', '2', '10', 'EST'), ('1001', '2', '10', 'FAT'),
  ('1002', '1', '20', 'CTB'), ('1002', '1', '20', 'FIS'),
  ('1003', '1', '30', 'FIN'), ('1003', '1', '30', 'CTB'), ('1003', '1', '30', 'EST'),
  ('1003', '1', '31', 'FOL'),
  ('1005', '1', '50', 'FIN'), ('1005', '1', '50', 'FAT'), ('1005', '1', '50', 'EST'),
  ('1007', '1', '70', 'PDV'), ('1007', '1', '70', 'EST');

INSERT INTO PROPOSTASERV (NRPROPOSFAS, NRVERPROPFAS, CDTIPOSERV, VRHORAPROP) VALUES
  ('1001', '1', 'IMP', 140), ('1001', '1', 'TRE', 110),
  ('1001', '2', 'IMP', 140),
  ('1002', '1', 'CON', 180),
  ('1003', '1', 'IMP', 150), ('1003', '1', 'TRE', 120), ('1003', '1', 'MIG', 160),
  ('1005', '1', 'SUP', 100), ('1005', '1', 'IMP', 145);

INSERT INTO PEDILINPPROP (NRPROPOSFAS, NRVERPROPFAS, NRLINPPEDP, CDCLIENTE, CDLIN, NMLIN, CDLINPPROP, NMLINPPROP,
                          CDLINPCLIE, QTLINPPEDP, DTCALUSOPEDP, PLATAFORMA, TP_LINHAPROD, TP_PAG, NR_USUARIO, NR_ACESSO,
                          VALOR_LU, VALOR_MENSAL, DIA_FATURAMENTO, MODO_PROCESSAMENTO, LOCAL_PROCESSAMENTO) VALUES
  ('1001', '1', '1', '11222333000181', '10',  'ERP Horizonte - Filial Norte', '10', 'ERP Horizonte - Filial Norte',
   NULL,  15, '2024-10-01T00:00:00', 'WIN', 'M', 'F', 15, 2, 1100, 170, 10, 'F', 'M'),
  ('1001', '1', '2', '11222333000181', '900', 'ERP Horizonte - Matriz',       NULL, NULL,
   '900', 5,  '2024-10-01T00:00:00', 'WIN', 'M', 'F', 25, 3, 1200, 180, 10, 'M', 'M'),
  ('1003', '1', '1', NULL,             '30',  'ERP Obras',                    '30', 'ERP Obras',
   NULL,  8,  '2025-03-01T00:00:00', 'WIN', 'M', 'F', 8,  2, 950,  140, 20, 'M', 'M'),
  ('1005', '1', '1', '77888999000181', '50',  'Gestão de Frota Rota Sul',     '50', 'Gestão de Frota Rota Sul',
   NULL,  30, '2025-04-01T00:00:00', 'WIN', 'M', 'F', 30, 6, 1000, 150, 15, 'F', 'F');

-- Due values add up to quantity times unit licence value of each line.
INSERT INTO VENCLUSOPROP (NRPROPOSFAS, NRVERPROPFAS, NRLINPPEDP, DTVELUSOPEDP, VRVELUSOPEDP) VALUES
  ('1001', '1', '1', '2024-10-10T00:00:00', 5500),
  ('1001', '1', '1', '2024-11-10T00:00:00', 5500),
  ('1001', '1', '1', '2024-12-10T00:00:00', 5500),
  ('1001', '1', '2', '2024-10-10T00:00:00', 3000),
  ('1001', '1', '2', '2024-11-10T00:00:00', 3000),
  ('1003', '1', '1', '2025-03-10T00:00:00', 7600),
  ('1005', '1', '1', '2025-04-10T00:00:00', 15000),
  ('1005', '1', '1', '2025-05-10T00:00:00', 15000);

INSERT INTO PEDISERVPROP (NRPROPOSFAS, NRVERPROPFAS, NRSERVPEDP, CDTIPOSERV, QTSERVPEDP, VRHORAPEDP, TXOBSPROPSERV) VALUES
  ('1001', '1', '1', 'IMP', 40, 140, 'Implantação na filial Norte, em duas etapas.'),
  ('1001', '1', '2', 'TRE', 16, 110, 'Treinamento dos usuários do estoque e do faturamento.'),
  ('1005', '1', '1', 'SUP', 20, 100, 'Pacote de horas de suporte para o primeiro trimestre.');

INSERT INTO TXTPROPFAS (NRPROPOSFAS, NRVERPROPFAS, CDTXTPROPFAS, NRORDEMMSG, TXPROPFAS) VALUES
  ('1001', '1', 'GARANTIA',  1, 'Os sistemas têm garantia de 90 dias contra defeitos, contados da data de implantação.'),
  ('1001', '1', 'PAGAMENTO', 2, 'A licença de uso é paga nas datas de vencimento indicadas; as mensalidades vencem no dia de faturamento escolhido.');

INSERT INTO SEQUENCIA (NMSEQUENCIA, NRULTIMO) VALUES ('PROPOSTA', 1007);
